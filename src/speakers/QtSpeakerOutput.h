#pragma once

#include "speakers/SpeakerOutput.h"

#include <QAudioDevice>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class QAudioSink;
class QIODevice;

// The system's default output through Qt Multimedia. Each scheduled buffer is
// written to the sink whole, so it cannot starve while the buffer plays, and
// the player starts with a moment of silence, so that each next buffer is
// written while the one before still plays. Nothing touches the audio system
// before the first run.
class QtSpeakerOutput : public QObject, public SpeakerOutput
{
    Q_OBJECT

public:
    explicit QtSpeakerOutput(QObject *parent = nullptr);
    ~QtSpeakerOutput() override;

    std::optional<int> channelCount() override;
    QAudioFormat format() override;
    bool isRunning() const override;
    std::optional<QString> start() override;
    void pause() override;
    bool isPlaying() const override { return m_playing; }
    void play() override;
    void stopPlayer() override;
    void schedule(const QByteArray &frames) override;

    // How often the sink ran dry while a buffer was still being written.
    int underruns() const { return m_underruns; }

private:
    // Opens a fresh stream on the device; what the old one held is dropped.
    bool openStream();
    void closeStream();
    // Microseconds of scheduled sound the sink has not played yet.
    qint64 queuedMicroseconds() const;
    void writePending();

    QAudioDevice m_device;
    QAudioFormat m_format;
    std::unique_ptr<QAudioSink> m_sink;
    QPointer<QIODevice> m_stream;
    bool m_playing = false;
    // The next buffer is the first since the player started.
    bool m_leadIn = false;
    QByteArray m_pending;
    qint64 m_writtenBytes = 0;
    QTimer m_writer;
    int m_underruns = 0;
};
