#pragma once

#include "speakers/SpeakerCheckViewModel.h"
#include "support/FakeSpeakerOutput.h"
#include "support/qml/ScreenHarness.h"

#include <QThreadPool>

// The speaker check on the harness's window with a fake output, driven in
// virtual time; for the screen tests and the tour.
namespace SpeakerScenes {

// Replaces the product's check (which would use the real sound output) with
// one that plays into a fake; returns the fake, owned by the check.
inline FakeSpeakerOutput *useFakeOutput(ScreenHarness &harness, const SimulatedMachine &machine)
{
    auto output = std::make_unique<FakeSpeakerOutput>(&harness.clock());
    FakeSpeakerOutput *fake = output.get();
    harness.shell().registerModule(
        DiagnosisModule::speakers,
        new SpeakerCheckViewModel(makeFakePlatform(machine), harness.clock(), std::move(output)),
        QStringLiteral("SpeakerIntegratedModuleView.qml"));
    return fake;
}

// The check opened from the catalogue, playing into a fake.
inline FakeSpeakerOutput *open(ScreenHarness &harness, const SimulatedMachine &machine)
{
    FakeSpeakerOutput *fake = useFakeOutput(harness, machine);
    harness.press(QStringLiteral("moduleCard_speakers"));
    return fake;
}

inline SpeakerCheckViewModel &flow(ScreenHarness &harness)
{
    return *static_cast<SpeakerCheckViewModel *>(harness.shell().speakerModel());
}

// Lets each stage's synthesis hand over before virtual time moves on.
inline void play(ScreenHarness &harness, std::chrono::milliseconds duration)
{
    using namespace std::chrono_literals;
    for (auto passed = 0ms; passed < duration; passed += 10ms) {
        harness.waitForReader();
        harness.advance(std::min(10ms, duration - passed));
    }
}

// Both sides heard and answered; the result is shown.
inline void answerBoth(ScreenHarness &harness, SpeakerAssessment right, SpeakerAssessment left)
{
    using namespace std::chrono_literals;
    harness.press(QStringLiteral("moduleCard_speakers"));
    play(harness, 13600ms);
    flow(harness).submitAssessment(right);
    play(harness, 14000ms);
    flow(harness).submitAssessment(left);
    play(harness, 3000ms);
}

} // namespace SpeakerScenes
