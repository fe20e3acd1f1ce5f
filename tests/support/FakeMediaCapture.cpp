#include "support/FakeMediaCapture.h"

#include <QPromise>
#include <QVariant>
#include <QVideoFrame>
#include <QVideoSink>

#include <cstring>

QFuture<bool> FakeMediaCapture::requestAccess(Device device)
{
    const bool camera = device == Device::camera;
    log.append(camera ? QStringLiteral("camera asked") : QStringLiteral("microphone asked"));
    QPromise<bool> answer;
    answer.start();
    answer.addResult(camera ? m_devices.cameraAllowed : m_devices.microphoneAllowed);
    answer.finish();
    return answer.future();
}

void FakeMediaCapture::showFrame(const QImage &picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    // Format_RGB32 is BGRX in memory on every machine this runs on.
    QVideoFrame frame(QVideoFrameFormat(pixels.size(), QVideoFrameFormat::Format_BGRX8888));
    frame.map(QVideoFrame::WriteOnly);
    for (int line = 0; line < pixels.height(); ++line)
        std::memcpy(frame.bits(0) + line * frame.bytesPerLine(0), pixels.constScanLine(line), pixels.bytesPerLine());
    frame.unmap();
    preview->property("videoSink").value<QVideoSink *>()->setVideoFrame(frame);
}
