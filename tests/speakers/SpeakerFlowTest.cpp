#include "speakers/SpeakerCheckViewModel.h"
#include "support/FakePlatform.h"
#include "support/FakeSpeakerOutput.h"
#include "support/FlowBench.h"
#include "support/ManualClock.h"

#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

using namespace std::chrono_literals;
using Phase = SpeakerCheckViewModel::Phase;

namespace {

// A flow with a fake output it owns, and the fake, in virtual time.
struct Bench
{
    explicit Bench(std::optional<QString> model = QStringLiteral("MacBookPro18,3"))
    {
        auto owned = std::make_unique<FakeSpeakerOutput>(&clock);
        output = owned.get();
        SimulatedMachine machine;
        machine.hwModel = std::move(model);
        flow = std::make_unique<SpeakerCheckViewModel>(makeFakePlatform(machine), clock, std::move(owned));
        bench = std::make_unique<FlowBench>(*flow, clock);
    }
    // Lets finished syntheses hand over before virtual time moves on.
    void advance(std::chrono::milliseconds duration)
    {
        for (auto passed = 0ms; passed < duration; passed += 10ms) {
            QThreadPool::globalInstance()->waitForDone();
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            if (bench)
                bench->advance(std::min(10ms, duration - passed));
            else
                clock.advance(std::min(10ms, duration - passed));
        }
    }

    ManualClock clock;
    FakeSpeakerOutput *output;
    std::unique_ptr<SpeakerCheckViewModel> flow;
    std::unique_ptr<FlowBench> bench;
};

} // namespace

class SpeakerFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void rightThenLeftThenVerdict()
    {
        Bench b;
        SpeakerCheckViewModel &flow = *b.flow;
        QCOMPARE(flow.phase(), Phase::start);
        QCOMPARE(flow.progressText(), QStringLiteral("Bereit für die Lautsprecher-Diagnose"));

        flow.start();
        QCOMPARE(flow.phase(), Phase::rightSpeaker);
        QCOMPARE(flow.sidebarStep(), 2);
        QVERIFY(flow.isPlaying());
        QCOMPARE(b.bench->texts.first(), QStringLiteral("Rechter Audiokanal wird vorbereitet …"));
        b.advance(13600ms);
        QVERIFY(!flow.isPlaying());
        QVERIFY(flow.awaitingAssessment());
        QCOMPARE(flow.progress(), 1.0);
        QCOMPARE(b.output->scheduled.size(), std::size_t(6));
        QVERIFY(b.output->peak(b.output->scheduled[5], 1) > 0.1f);

        const qint64 answered = b.clock.now().count();
        flow.submitAssessment(SpeakerAssessment::Okay);
        QCOMPARE(flow.phase(), Phase::leftSpeaker);
        QCOMPARE(flow.rightAssessment(), SpeakerAssessment::Okay);
        QCOMPARE(flow.progress(), 0.0);
        QVERIFY(flow.isPlaying() && !flow.awaitingAssessment());
        b.advance(13960ms);
        QCOMPARE(b.output->scheduled[6].at - answered, 450);
        QCOMPARE(b.output->peak(b.output->scheduled[6], 1), 0.0f);
        QVERIFY(b.output->peak(b.output->scheduled[6], 0) > 0.1f);
        QCOMPARE(flow.progressText(), QStringLiteral("Test des linker lautsprecher abgeschlossen"));
        QVERIFY(flow.awaitingAssessment());

        const qint64 evaluating = b.clock.now().count();
        b.bench->progress.clear();
        b.bench->texts.clear();
        flow.submitAssessment(SpeakerAssessment::Silent);
        QCOMPARE(flow.phase(), Phase::evaluating);
        QCOMPARE(flow.sidebarStep(), 3);
        QVERIFY(!flow.isPlaying() && !flow.awaitingAssessment());
        QCOMPARE(b.output->events.mid(b.output->events.size() - 2), (QStringList {"stop player", "pause"}));
        b.advance(2590ms);
        QCOMPARE(flow.phase(), Phase::evaluating);
        b.advance(20ms);
        QCOMPARE(flow.phase(), Phase::result);
        QCOMPARE(flow.sidebarStep(), 4);
        const std::vector<FlowBench::Sample> steps {{evaluating, 0.0},         {evaluating, 0.18},
                                                    {evaluating + 520, 0.43},  {evaluating + 1040, 0.68},
                                                    {evaluating + 1560, 0.88}, {evaluating + 2080, 1.0}};
        QCOMPARE(b.bench->progress, steps);
        QCOMPARE(b.bench->texts.last(), QStringLiteral("Diagnose abgeschlossen"));
        QCOMPARE(flow.leftResult().title, QStringLiteral("Lautsprecher komplett stumm"));

        flow.reset();
        QCOMPARE(flow.phase(), Phase::start);
        QVERIFY(!flow.rightAssessment() && !flow.leftAssessment());
    }

    void verdictFromTheAnswers_data()
    {
        using A = std::optional<SpeakerAssessment>;
        QTest::addColumn<A>("right");
        QTest::addColumn<A>("left");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Tint>("tint");
        QTest::addColumn<bool>("repair");

        const A okay = SpeakerAssessment::Okay;
        const A issue = SpeakerAssessment::AudioIssue;
        const A silent = SpeakerAssessment::Silent;
        QTest::newRow("okay, silent") << okay << silent << "Lautsprecher-Reparatur notwendig" << Tint::Problem << true;
        QTest::newRow("silence wins") << issue << silent << "Lautsprecher-Reparatur notwendig" << Tint::Problem << true;
        QTest::newRow("both issues") << issue << issue << "Audio-Fehler festgestellt" << Tint::Problem << true;
        QTest::newRow("one issue") << okay << issue << "Audio-Fehler festgestellt" << Tint::Problem << true;
        QTest::newRow("both okay") << okay << okay << "Keine Reparatur notwendig" << Tint::Good << false;
        QTest::newRow("left unanswered") << okay << A() << "Keine Reparatur notwendig" << Tint::Good << false;
    }

    void verdictFromTheAnswers()
    {
        using A = std::optional<SpeakerAssessment>;
        QFETCH(A, right);
        QFETCH(A, left);
        QFETCH(QString, title);
        QFETCH(Tint, tint);
        QFETCH(bool, repair);

        const SpeakerVerdict verdict = speakerVerdict(right, left);
        QCOMPARE(verdict.title, title);
        QCOMPARE(verdict.tint, tint);
        QCOMPARE(needsRepair(right, left), repair);
    }

    void modelIdentity_data()
    {
        QTest::addColumn<std::optional<QString>>("model");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("page");

        QTest::newRow("pro") << std::optional<QString>("MacBookPro18,3") << "MacBook Pro · MacBookPro18,3"
                             << "/macbook-pro-lautsprecher-reparatur/";
        QTest::newRow("air") << std::optional<QString>("MacBookAir10,1") << "MacBook Air · MacBookAir10,1"
                             << "/macbook-air-lautsprecher-reparatur/";
        QTest::newRow("12-inch") << std::optional<QString>("MacBook10,1") << "MacBook / MacBook Neo · MacBook10,1"
                                 << "/macbook-neo-lautsprecher-reparatur/";
        QTest::newRow("unreadable") << std::optional<QString>() << "MacBook / MacBook Neo"
                                    << "/macbook-neo-lautsprecher-reparatur/";
        QTest::newRow("empty") << std::optional<QString>("") << "MacBook / MacBook Neo"
                               << "/macbook-neo-lautsprecher-reparatur/";
    }

    void modelIdentity()
    {
        QFETCH(std::optional<QString>, model);
        QFETCH(QString, line);
        QFETCH(QString, page);

        Bench b(model);
        QCOMPARE(b.flow->modelName(), line);
        QVERIFY2(b.flow->repairPage().toString().endsWith(page), qPrintable(b.flow->repairPage().toString()));
    }

    // Leaving during the pause before the left side, or in the middle of a
    // side: the sound stops at once and nothing is published afterwards.
    void leavingStopsEverything_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::addColumn<int>("leaveAfter");
        QTest::addColumn<int>("buffers");
        QTest::newRow("during the pause before the left side") << true << 300 << 6;
        QTest::newRow("in the third stage") << false << 5000 << 3;
    }

    void leavingStopsEverything()
    {
        QFETCH(bool, answered);
        QFETCH(int, leaveAfter);
        QFETCH(int, buffers);

        Bench b;
        b.flow->start();
        if (answered) {
            b.advance(13600ms);
            b.flow->submitAssessment(SpeakerAssessment::AudioIssue);
        }
        b.advance(std::chrono::milliseconds(leaveAfter));
        b.output->events.clear();
        b.flow->reset();
        QCOMPARE(b.output->events, (QStringList {"stop player", "pause"}));
        QCOMPARE(b.flow->phase(), Phase::start);
        QVERIFY(!b.flow->isPlaying() && !b.flow->awaitingAssessment());
        QVERIFY(!b.flow->rightAssessment());

        QSignalSpy progress(b.flow.get(), &DiagnosticFlow::progressChanged);
        QSignalSpy playback(b.flow.get(), &SpeakerCheckViewModel::playbackChanged);
        QSignalSpy phase(b.flow.get(), &DiagnosticFlow::phaseChanged);
        b.advance(30s);
        QCOMPARE(progress.count() + playback.count() + phase.count(), 0);
        QCOMPARE(b.output->events, (QStringList {"stop player", "pause"}));
        QCOMPARE(b.output->scheduled.size(), std::size_t(buffers));
    }

    void failureStaysOnTheChannelAndCanBeRetried()
    {
        Bench b;
        b.output->startFailure = QStringLiteral("Es wurde kein Audio-Ausgabegerät gefunden.");
        b.flow->start();
        b.advance(20ms);
        QCOMPARE(b.flow->phase(), Phase::rightSpeaker);
        QVERIFY(!b.flow->isPlaying() && !b.flow->awaitingAssessment());
        QCOMPARE(b.flow->errorMessage(),
                 QStringLiteral("Die Audiowiedergabe konnte nicht gestartet werden: Es wurde "
                                "kein Audio-Ausgabegerät gefunden."));
        QCOMPARE(b.flow->progressText(), QStringLiteral("Audiotest konnte nicht abgeschlossen werden"));

        b.output->startFailure.reset();
        b.flow->replayCurrentChannel();
        QVERIFY(b.flow->errorMessage().isEmpty());
        QVERIFY(b.flow->isPlaying());
        b.advance(13600ms);
        QVERIFY(b.flow->awaitingAssessment());
        QCOMPARE(b.output->scheduled.size(), std::size_t(6));
    }

    // Playing again mid-way starts the side afresh; the old run ends silently.
    void replayRestartsTheSide()
    {
        Bench b;
        b.flow->start();
        b.advance(3000ms);
        b.flow->replayCurrentChannel();
        QCOMPARE(b.flow->progress(), 0.0);
        b.advance(13400ms);
        QVERIFY(b.flow->isPlaying());
        b.advance(200ms);
        QVERIFY(b.flow->awaitingAssessment());
        QCOMPARE(b.output->scheduled.size(), std::size_t(2 + 6));
        QCOMPARE(b.output->scheduled.back().at, 3000 + 11500);
    }

    void answersOutsideTheChannelsAreIgnored()
    {
        Bench b;
        b.flow->submitAssessment(SpeakerAssessment::Silent);
        b.flow->replayCurrentChannel();
        QCOMPARE(b.flow->phase(), Phase::start);
        QVERIFY(!b.flow->rightAssessment() && !b.flow->isPlaying());
        QVERIFY(b.output->events.isEmpty());

        b.flow->start();
        b.advance(13600ms);
        b.flow->submitAssessment(SpeakerAssessment::Okay);
        b.advance(14000ms);
        b.flow->submitAssessment(SpeakerAssessment::AudioIssue);
        b.flow->submitAssessment(SpeakerAssessment::Silent);
        b.advance(3000ms);
        b.flow->submitAssessment(SpeakerAssessment::Silent);
        QCOMPARE(b.flow->phase(), Phase::result);
        QCOMPARE(b.flow->leftAssessment(), SpeakerAssessment::AudioIssue);
    }

    void flowDiscardedWhilePlaying()
    {
        Bench b;
        b.flow->start();
        b.advance(3000ms);
        b.bench.reset();
        b.flow.reset();
        b.advance(20s);
    }
};

QTEST_GUILESS_MAIN(SpeakerFlowTest)
#include "SpeakerFlowTest.moc"
