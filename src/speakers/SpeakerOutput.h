#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

#include <optional>

// The sound output as the test engine drives it: a device that runs or is
// paused, and a player on it that plays one buffer at a time.
class SpeakerOutput
{
public:
    virtual ~SpeakerOutput() = default;

    // The output device's channel count; none when there is no device.
    virtual std::optional<int> channelCount() = 0;
    // What scheduled frames must be: 48 kHz, the device's channels and sample type.
    virtual QAudioFormat format() = 0;

    virtual bool isRunning() const = 0;
    // Starts the device; the platform's reason, in German, when it cannot.
    virtual std::optional<QString> start() = 0;
    virtual void pause() = 0;

    virtual bool isPlaying() const = 0;
    virtual void play() = 0;
    // Ends what plays and forgets what was scheduled.
    virtual void stopPlayer() = 0;
    // Plays the frames next, cutting off a buffer that is still playing.
    virtual void schedule(const QByteArray &frames) = 0;
};
