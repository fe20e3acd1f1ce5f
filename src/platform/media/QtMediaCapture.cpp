#include "platform/media/QtMediaCapture.h"

#include "platform/Platform.h"
#include "platform/media/MicrophoneTap.h"

#include <QCamera>
#include <QMediaCaptureSession>
#include <QMediaDevices>

#include <QPromise>

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#include <QCoreApplication>
#include <QPermissions>
#endif

namespace {

QFuture<bool> settled(bool granted)
{
    QPromise<bool> answer;
    answer.start();
    answer.addResult(granted);
    answer.finish();
    return answer.future();
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0) && QT_CONFIG(permissions)
template<typename Permission>
QFuture<bool> askFor(Permission permission, QObject *context)
{
    switch (qApp->checkPermission(permission)) {
    case Qt::PermissionStatus::Granted: return settled(true);
    case Qt::PermissionStatus::Denied: return settled(false);
    case Qt::PermissionStatus::Undetermined: break;
    }
    auto answer = std::make_shared<QPromise<bool>>();
    answer->start();
    qApp->requestPermission(permission, context, [answer](const QPermission &asked) {
        answer->addResult(asked.status() == Qt::PermissionStatus::Granted);
        answer->finish();
    });
    return answer->future();
}
#endif

} // namespace

QtMediaCapture::QtMediaCapture(QObject *parent)
    : MediaCapture(parent)
{
    m_tapThread.setObjectName(QStringLiteral("microphone"));
}

QtMediaCapture::~QtMediaCapture()
{
    stop();
    m_tapThread.quit();
    m_tapThread.wait();
}

bool QtMediaCapture::cameraAvailable() const
{
    return !QMediaDevices::defaultVideoInput().isNull();
}

QFuture<bool> QtMediaCapture::requestAccess(Device device)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0) && QT_CONFIG(permissions)
    return device == Device::camera ? askFor(QCameraPermission(), this) : askFor(QMicrophonePermission(), this);
#else
    // Before Qt 6.5 the system asks by itself when a device first opens.
    Q_UNUSED(device);
    return settled(true);
#endif
}

void QtMediaCapture::startCamera()
{
    if (!m_session) {
        const QCameraDevice device = QMediaDevices::defaultVideoInput();
        if (device.isNull())
            return;
        m_session = std::make_unique<QMediaCaptureSession>();
        m_camera = new QCamera(device, m_session.get());
        m_session->setCamera(m_camera);
        m_session->setVideoOutput(m_videoOutput.data());
    }
    m_camera->start();
}

void QtMediaCapture::startMicrophone()
{
    if (m_tap)
        m_tap->deleteLater();
    if (!m_tapThread.isRunning())
        m_tapThread.start();
    auto *tap = new MicrophoneTap;
    tap->moveToThread(&m_tapThread);
    connect(tap, &MicrophoneTap::levelMeasured, this, &MediaCapture::levelMeasured);
    connect(tap, &MicrophoneTap::failed, this, &MediaCapture::microphoneFailed);
    QMetaObject::invokeMethod(tap, &MicrophoneTap::start);
    m_tap = tap;
}

void QtMediaCapture::stop()
{
    if (m_camera)
        m_camera->stop();
    // Closed on its own thread, right after any buffer it is reading.
    if (m_tap)
        m_tap->deleteLater();
    m_tap = nullptr;
}

void QtMediaCapture::showPreviewIn(QObject *videoOutput)
{
    m_videoOutput = videoOutput;
    if (m_session)
        m_session->setVideoOutput(videoOutput);
}

std::unique_ptr<MediaCapture> openDefaultMediaCapture()
{
    return std::make_unique<QtMediaCapture>();
}
