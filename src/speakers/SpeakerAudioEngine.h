#pragma once

#include "flow/Clock.h"
#include "speakers/AudioTestError.h"
#include "speakers/SpeakerOutput.h"
#include "speakers/TestSignal.h"

#include <QCoro/QCoroTask>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Plays the test sequence on one speaker: each stage is synthesised off the
// user-interface thread, handed to the player and given its full duration on
// the flow's clock before the next one comes.
class SpeakerAudioEngine
{
public:
    SpeakerAudioEngine(std::unique_ptr<SpeakerOutput> output, Clock &clock);

    struct Outcome
    {
        bool cancelled = false;
        // Set when the run failed.
        std::optional<AudioTestError> error;
    };
    // Progress (0 to 1) and the current stage's title, for the screens.
    using Report = std::function<void(double progress, const QString &text)>;
    // Asked before each stage and after every wait; once true the run ends
    // without touching the engine or reporting again, so it may also mean
    // that the engine is gone.
    using Cancelled = std::function<bool()>;

    // Finishes when the last stage's time is over; the device keeps running.
    // A cancelled or failed run leaves stopping the player to the caller.
    QCoro::Task<Outcome> playTestSequence(SpeakerSide side, Report report, Cancelled cancelled);

    SpeakerOutput &output() { return *m_output; }

private:
    std::unique_ptr<SpeakerOutput> m_output;
    Clock &m_clock;
};
