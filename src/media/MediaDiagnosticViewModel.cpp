#include "media/MediaDiagnosticViewModel.h"

#include <QCoro/QCoroFuture>

MediaDiagnosticViewModel::MediaDiagnosticViewModel(std::unique_ptr<MediaCapture> capture, Clock &clock, QObject *parent)
    : DiagnosticFlow(clock, QString(), parent)
    , m_capture(capture.release())
{
    m_capture->setParent(this);
    connect(m_capture, &MediaCapture::levelMeasured, this, &MediaDiagnosticViewModel::takeLevel);
    connect(m_capture, &MediaCapture::microphoneFailed, this, &MediaDiagnosticViewModel::takeMicrophoneFailure);
}

MediaDiagnosticViewModel::~MediaDiagnosticViewModel()
{
    // Quitting during the test must not leave the camera light on.
    m_capture->stop();
}

int MediaDiagnosticViewModel::sidebarStep() const
{
    switch (phase()) {
    case Phase::result: return 4;
    case Phase::error: return 3;
    default: return 2;
    }
}

QCoro::Task<> MediaDiagnosticViewModel::run(Ticket ticket)
{
    setPhase(Phase::testing);
    m_cameraAvailable = m_capture->cameraAvailable();
    emit devicesChanged();

    QFuture<bool> asking = m_capture->requestAccess(MediaCapture::Device::camera);
    const bool cameraGranted = co_await asking;
    if (ticket.stale())
        co_return;
    m_cameraPermission = cameraGranted;
    emit devicesChanged();

    asking = m_capture->requestAccess(MediaCapture::Device::microphone);
    const bool microphoneGranted = co_await asking;
    if (ticket.stale())
        co_return;
    m_microphonePermission = microphoneGranted;
    emit devicesChanged();

    // Both answers may have come while the system asked.
    if (phase() != Phase::testing)
        co_return;
    if (m_cameraAvailable && m_cameraPermission)
        m_capture->startCamera();
    if (m_microphonePermission)
        m_capture->startMicrophone();
}

void MediaDiagnosticViewModel::clearResults()
{
    m_capture->stop();
    m_cameraUserOK.reset();
    m_microphoneUserOK.reset();
    emit answersChanged();
    if (m_result) {
        m_result.reset();
        emit resultsChanged();
    }
}

void MediaDiagnosticViewModel::answerCamera(bool ok)
{
    if (phase() != Phase::testing)
        return;
    m_cameraUserOK = ok;
    emit answersChanged();
    finishIfComplete();
}

void MediaDiagnosticViewModel::answerMicrophone(bool ok)
{
    if (phase() != Phase::testing)
        return;
    m_microphoneUserOK = ok;
    emit answersChanged();
    finishIfComplete();
}

void MediaDiagnosticViewModel::showPreviewIn(QObject *videoOutput)
{
    m_capture->showPreviewIn(videoOutput);
}

void MediaDiagnosticViewModel::finishIfComplete()
{
    if (!m_cameraUserOK || !m_microphoneUserOK)
        return;
    m_capture->stop();
    m_result = mediaDiagnosticResult(*m_cameraUserOK, *m_microphoneUserOK);
    emit resultsChanged();
    setPhase(Phase::result);
}

void MediaDiagnosticViewModel::takeLevel(double level)
{
    // A buffer read just before the devices stopped is late, not news.
    if (phase() != Phase::testing || level == m_microphoneLevel)
        return;
    m_microphoneLevel = level;
    emit microphoneLevelChanged();
}

void MediaDiagnosticViewModel::takeMicrophoneFailure(const QString &reason)
{
    if (phase() != Phase::testing)
        return;
    setErrorMessage(QStringLiteral("Das Mikrofon konnte nicht gestartet werden: ") + reason);
}
