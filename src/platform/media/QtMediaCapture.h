#pragma once

#include "platform/MediaCapture.h"

#include <QPointer>
#include <QThread>

#include <memory>

class QCamera;
class QMediaCaptureSession;
class MicrophoneTap;

// The default camera and microphone through Qt Multimedia. Nothing is opened
// before the first start.
class QtMediaCapture final : public MediaCapture
{
    Q_OBJECT

public:
    explicit QtMediaCapture(QObject *parent = nullptr);
    ~QtMediaCapture() override;

    bool cameraAvailable() const override;
    QFuture<bool> requestAccess(Device device) override;
    void startCamera() override;
    void startMicrophone() override;
    void stop() override;
    void showPreviewIn(QObject *videoOutput) override;

private:
    std::unique_ptr<QMediaCaptureSession> m_session;
    // Added to the session once and kept for later starts.
    QCamera *m_camera = nullptr;
    QThread m_tapThread;
    QPointer<MicrophoneTap> m_tap;
    QPointer<QObject> m_videoOutput;
};
