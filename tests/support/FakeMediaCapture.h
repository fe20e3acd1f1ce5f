#pragma once

#include "platform/MediaCapture.h"

#include <QImage>
#include <QPointer>
#include <QStringList>

#include <optional>

// What a simulated machine's camera and microphone allow.
struct SimulatedMediaDevices
{
    bool camera = false;
    bool cameraAllowed = true;
    bool microphoneAllowed = true;
    // Why the microphone gives nothing, when it fails to start.
    std::optional<QString> microphoneFailure;
};

// Records what the flow did with the devices, in order: "camera asked",
// "microphone asked", "camera on", "microphone on", "stopped".
class FakeMediaCapture final : public MediaCapture
{
    Q_OBJECT

public:
    explicit FakeMediaCapture(SimulatedMediaDevices devices)
        : m_devices(std::move(devices))
    {
    }

    bool cameraAvailable() const override { return m_devices.camera; }
    QFuture<bool> requestAccess(Device device) override;
    void startCamera() override { log.append(QStringLiteral("camera on")); }
    void startMicrophone() override
    {
        log.append(QStringLiteral("microphone on"));
        if (m_devices.microphoneFailure)
            emit microphoneFailed(*m_devices.microphoneFailure);
    }
    void stop() override { log.append(QStringLiteral("stopped")); }
    void showPreviewIn(QObject *videoOutput) override { preview = videoOutput; }
    // Hands the preview one camera frame, as a capture device would.
    void showFrame(const QImage &picture);

    QStringList log;
    QPointer<QObject> preview;

private:
    SimulatedMediaDevices m_devices;
};
