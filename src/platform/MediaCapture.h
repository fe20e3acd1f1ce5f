#pragma once

#include <QFuture>
#include <QObject>
#include <QString>

// The built-in camera and microphone of the machine. Lives on the
// user-interface thread; devices run only between a start and stop().
class MediaCapture : public QObject
{
    Q_OBJECT

public:
    enum class Device { camera, microphone };

    using QObject::QObject;

    virtual bool cameraAvailable() const = 0;
    // Whether the system lets the app use the device; may ask the user first.
    virtual QFuture<bool> requestAccess(Device device) = 0;
    // Shows the default camera in the preview given to showPreviewIn().
    virtual void startCamera() = 0;
    // Measures the default microphone: levelMeasured() for every buffer, or
    // microphoneFailed() once.
    virtual void startMicrophone() = 0;
    // Releases both devices at once.
    virtual void stop() = 0;
    // A VideoOutput of the screens, or null when the preview is gone.
    virtual void showPreviewIn(QObject *videoOutput) = 0;

signals:
    // 0 … 1, per microphone buffer.
    void levelMeasured(double level);
    // A German sentence saying why the microphone gives nothing.
    void microphoneFailed(const QString &reason);
};
