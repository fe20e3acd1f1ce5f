#include "support/SpeakerScenes.h"
#include "support/SystemMachines.h"
#include "support/qml/AddressCatcher.h"

#include <QTest>

using namespace std::chrono_literals;
using namespace SpeakerScenes;

namespace {

SimulatedMachine mac(const char *model)
{
    SimulatedMachine machine = SystemMachines::coolAir();
    machine.hwModel = QString::fromLatin1(model);
    return machine;
}

} // namespace

class SpeakerScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // No sound server, whatever runs on this machine: the product's own
        // output then finds no device. Set before Qt's audio first connects.
        qputenv("PULSE_SERVER", "unix:/nonexistent/native");
    }

    // The product's check on the real sound output of a machine without one.
    void withoutOutputDeviceTheEngineErrorShows()
    {
        ScreenHarness harness(mac("MacBookPro18,3"));
        harness.press(QStringLiteral("moduleCard_speakers"));
        QVERIFY(harness.advanceUntil([&harness] { return flow(harness).errorMessage() != QString(); }));
        QCOMPARE(harness.text(QStringLiteral("speakerChannelTitle")), QStringLiteral("Rechter Lautsprecher"));
        QCOMPARE(harness.text(QStringLiteral("speakerErrorMessage")),
                 QStringLiteral("Die Audiowiedergabe konnte nicht gestartet werden: Es wurde kein "
                                "Audio-Ausgabegerät gefunden."));
        QVERIFY(harness.isShown(QStringLiteral("speakerRetryButton")));
        QVERIFY(!harness.isShown(QStringLiteral("speakerAnswerOkay")));
        harness.press(QStringLiteral("speakerRetryButton"));
        QVERIFY(harness.advanceUntil([&harness] { return flow(harness).errorMessage() != QString(); }));
        QCOMPARE(flow(harness).phaseName(), QStringLiteral("rightSpeaker"));
    }

    void channelScreensFollowThePlayback()
    {
        ScreenHarness harness(mac("MacBookAir10,1"));
        FakeSpeakerOutput *output = useFakeOutput(harness, mac("MacBookAir10,1"));

        harness.press(QStringLiteral("moduleCard_speakers"));
        play(harness, 2200ms);
        QCOMPARE(harness.shell().currentStep(), 2);
        QCOMPARE(harness.text(QStringLiteral("speakerChannelTitle")), QStringLiteral("Rechter Lautsprecher"));
        QCOMPARE(harness.text(QStringLiteral("speakerChannelSubtitle")), QStringLiteral("Wird getestet …"));
        QCOMPARE(harness.text(QStringLiteral("speakerProgressText")),
                 QStringLiteral("Mitteltonprüfung · 300–1.800 Hz"));
        QVERIFY(harness.isShown(QStringLiteral("speakerProgressBar")));
        QVERIFY(!harness.isShown(QStringLiteral("speakerAnswerOkay")));
        QVERIFY(!harness.isShown(QStringLiteral("speakerReplayButton")));

        play(harness, 11400ms);
        QCOMPARE(harness.text(QStringLiteral("speakerChannelSubtitle")),
                 QStringLiteral("Wie klang dieser Lautsprecher?"));
        QCOMPARE(harness.text(QStringLiteral("speakerProgressText")),
                 QStringLiteral("Test des rechter lautsprecher abgeschlossen"));
        QVERIFY(!harness.isShown(QStringLiteral("speakerProgressBar")));
        QStringList answers;
        for (const char *name : {"speakerAnswerOkay", "speakerAnswerAudioIssue", "speakerAnswerSilent"})
            answers << harness.find(QString::fromLatin1(name))->property("title").toString();
        QCOMPARE(answers,
                 (QStringList {"Klang einwandfrei", "Audio-Fehler festgestellt", "Lautsprecher komplett stumm"}));

        harness.press(QStringLiteral("speakerAnswerAudioIssue"));
        QCOMPARE(harness.text(QStringLiteral("speakerChannelTitle")), QStringLiteral("Linker Lautsprecher"));
        QCOMPARE(harness.text(QStringLiteral("speakerProgressText")),
                 QStringLiteral("Linker Audiokanal wird vorbereitet …"));
        play(harness, 14000ms);
        harness.press(QStringLiteral("speakerAnswerOkay"));
        QCOMPARE(harness.shell().currentStep(), 3);
        QCOMPARE(harness.text(QStringLiteral("progressCardTitle")), QStringLiteral("Lautsprecher werden ausgewertet"));
        play(harness, 3000ms);

        QCOMPARE(harness.shell().currentStep(), 4);
        QCOMPARE(harness.text(QStringLiteral("resultTitle")), QStringLiteral("Lautsprecher Check abgeschlossen"));
        QCOMPARE(harness.text(QStringLiteral("resultSubtitle")), QStringLiteral("MacBook Air · MacBookAir10,1"));
        QCOMPARE(harness.text(QStringLiteral("verdictTitle")), QStringLiteral("Audio-Fehler festgestellt"));
        QCOMPARE(harness.texts(QStringLiteral("speakerSideAnswer")),
                 (QStringList {"Audio-Fehler festgestellt", "Klang einwandfrei"}));
        QCOMPARE(output->scheduled.size(), std::size_t(12));

        AddressCatcher browser;
        harness.press(QStringLiteral("speakerRepairLink"));
        QCOMPARE(browser.opened.size(), 1);
        QVERIFY(browser.opened.first().toString().endsWith(QStringLiteral("/macbook-air-lautsprecher-reparatur/")));

        harness.press(QStringLiteral("speakerNextButton"));
        QCOMPARE(harness.shell().routeName(), QStringLiteral("selection"));
        QCOMPARE(flow(harness).phaseName(), QStringLiteral("start"));
    }

    void noRepairLinkWhenBothSoundFine()
    {
        ScreenHarness harness(mac("Mac17,5"));
        useFakeOutput(harness, mac("Mac17,5"));
        answerBoth(harness, SpeakerAssessment::Okay, SpeakerAssessment::Okay);
        QCOMPARE(harness.text(QStringLiteral("verdictTitle")), QStringLiteral("Keine Reparatur notwendig"));
        QCOMPARE(harness.text(QStringLiteral("resultSubtitle")), QStringLiteral("MacBook / MacBook Neo · Mac17,5"));
        QVERIFY(!harness.isShown(QStringLiteral("speakerRepairLink")));
    }

    // The start screen, reached by leaving and resetting; its button starts the check.
    void readyScreenStarts()
    {
        ScreenHarness harness(mac("MacBookPro18,3"));
        useFakeOutput(harness, mac("MacBookPro18,3"));
        harness.press(QStringLiteral("moduleCard_speakers"));
        flow(harness).reset();
        harness.advance(100ms);
        QCOMPARE(harness.text(QStringLiteral("speakerReadyTitle")), QStringLiteral("Lautsprecher Check"));
        harness.press(QStringLiteral("speakerStartButton"));
        QCOMPARE(flow(harness).phaseName(), QStringLiteral("rightSpeaker"));
    }
};

QTEST_MAIN(SpeakerScreenTest)
#include "SpeakerScreenTest.moc"
