#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QObject>

class QAudioSource;
class QIODevice;

// Reads the default microphone on the thread it lives on and turns every
// buffer into a level there, so a busy user interface never holds it up.
// Deleting it closes the device.
class MicrophoneTap : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~MicrophoneTap() override;

    // Call on the tap's own thread.
    void start();

signals:
    void levelMeasured(double level);
    void failed(const QString &reason);

private:
    void readBuffers();
    void reportStop();
    void fail(const QString &reason);

    QAudioSource *m_source = nullptr;
    QIODevice *m_buffers = nullptr;
    QAudioFormat m_format;
    bool m_failed = false;
};
