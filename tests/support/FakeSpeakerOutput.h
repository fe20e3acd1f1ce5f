#pragma once

#include "speakers/SpeakerOutput.h"
#include "support/ManualClock.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

#include <optional>
#include <vector>

// A sound output that only writes down what it was told, in virtual time:
// "start", "pause", "play", "stop player" and "schedule" as events, and every
// scheduled buffer (stereo 32-bit float unless the format is changed).
class FakeSpeakerOutput : public SpeakerOutput
{
public:
    explicit FakeSpeakerOutput(const ManualClock *clock = nullptr)
        : m_clock(clock)
    {
        deviceFormat.setSampleRate(48000);
        deviceFormat.setChannelCount(2);
        deviceFormat.setSampleFormat(QAudioFormat::Float);
    }

    struct Buffer
    {
        QByteArray frames;
        qint64 at;
    };

    // None for a machine without an output device.
    std::optional<int> channels = 2;
    QAudioFormat deviceFormat;
    // The platform's reason when starting fails.
    std::optional<QString> startFailure;

    QStringList events;
    std::vector<Buffer> scheduled;
    bool running = false;
    bool playing = false;

    std::optional<int> channelCount() override { return channels; }
    QAudioFormat format() override { return deviceFormat; }
    bool isRunning() const override { return running; }
    std::optional<QString> start() override
    {
        events << QStringLiteral("start");
        if (!startFailure)
            running = true;
        return startFailure;
    }
    void pause() override
    {
        events << QStringLiteral("pause");
        running = false;
    }
    bool isPlaying() const override { return playing; }
    void play() override
    {
        events << QStringLiteral("play");
        playing = true;
    }
    void stopPlayer() override
    {
        events << QStringLiteral("stop player");
        playing = false;
    }
    void schedule(const QByteArray &frames) override
    {
        events << QStringLiteral("schedule");
        scheduled.push_back({frames, m_clock ? m_clock->now().count() : 0});
    }

    // The loudest sample of one channel of a float buffer.
    float peak(const Buffer &buffer, int channel) const
    {
        const auto *samples = reinterpret_cast<const float *>(buffer.frames.constData());
        const int count = deviceFormat.channelCount();
        float loudest = 0;
        for (qsizetype i = channel; i < buffer.frames.size() / qsizetype(sizeof(float)); i += count)
            loudest = std::max(loudest, std::abs(samples[i]));
        return loudest;
    }
    qsizetype frames(const Buffer &buffer) const { return buffer.frames.size() / deviceFormat.bytesPerFrame(); }

private:
    const ManualClock *m_clock;
};
