#include "battery/BatteryDiagnosticViewModel.h"
#include "machine/BatteryReaderError.h"
#include "support/BatteryMachines.h"
#include "support/FlowBench.h"
#include "support/GatedBatteryService.h"
#include "support/ManualClock.h"

#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

#include <functional>
#include <stdexcept>

using namespace std::chrono_literals;
using Phase = BatteryDiagnosticViewModel::Phase;

namespace {

class ThrowingBatteryService : public BatteryService
{
public:
    std::optional<QVariantMap> properties(const QStringList &) const override
    {
        throw std::runtime_error("driver gone");
    }
};

using Sample = FlowBench::Sample;

// One battery check against one machine, in virtual time.
struct Bench
{
    explicit Bench(Platform platform)
        : model(std::move(platform), clock)
    {
    }
    void advance(std::chrono::milliseconds duration) { recorder.advance(duration); }

    ManualClock clock;
    BatteryDiagnosticViewModel model;
    FlowBench recorder {model, clock};
    std::vector<Sample> &samples = recorder.progress;
    std::vector<Sample> &phases = recorder.phases;
};

// The healthy Air whose battery is read through a service laid over its own.
Platform
healthyAirWith(const std::function<std::shared_ptr<const BatteryService>(std::shared_ptr<const BatteryService>)> &wrap)
{
    Platform platform = makeFakePlatform(BatteryMachines::healthyAir());
    platform.batteryService = wrap(platform.batteryService);
    return platform;
}

void waitForReader()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
}

} // namespace

class BatteryFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void walksThePacedStepsBeforeTheResult()
    {
        Bench bench(makeFakePlatform(BatteryMachines::healthyAir()));
        bench.model.start();
        QCOMPARE(bench.model.phase(), Phase::checking);
        waitForReader();

        bench.advance(1439ms);
        QCOMPARE(bench.model.phase(), Phase::checking);
        QCOMPARE(bench.model.progressText(), QStringLiteral("Akku-Diagnose abgeschlossen"));
        bench.advance(1ms);
        QCOMPARE(bench.model.phase(), Phase::result);

        const std::vector<Sample> expected {{0, 0.04}, {0, 0.2}, {250, 0.43}, {580, 0.66}, {930, 0.86}, {1260, 1.0}};
        QCOMPARE(bench.samples, expected);
        const QStringList texts {"MacBook Modell wird erkannt …",     "MacBook Modell wird erkannt …",
                                 "Batteriedaten werden ausgelesen …", "Kapazität und Ladezyklen werden geprüft …",
                                 "Batteriezustand wird bewertet …",   "Akku-Diagnose abgeschlossen"};
        QCOMPARE(bench.recorder.texts, texts);
        QCOMPARE(bench.phases.back(), (Sample {1440, static_cast<double>(Phase::result)}));
        QVERIFY(bench.model.batterySnapshot());
        QCOMPARE(bench.model.batteryEvaluation()->verdict, BatteryVerdict::good);
    }

    void slowReaderHoldsTheLastStep()
    {
        std::shared_ptr<GatedBatteryService> gated;
        Bench bench(healthyAirWith([&](auto real) { return gated = std::make_shared<GatedBatteryService>(real); }));
        bench.model.start();

        bench.advance(10s);
        QCOMPARE(bench.model.phase(), Phase::checking);
        QCOMPARE(bench.model.progress(), 0.86);
        QCOMPARE(bench.model.progressText(), QStringLiteral("Batteriezustand wird bewertet …"));

        gated->open();
        QTRY_COMPARE(bench.model.progress(), 1.0);
        bench.advance(180ms);
        QCOMPARE(bench.model.phase(), Phase::result);
    }

    void leavingDuringAStepPublishesNothingLater()
    {
        std::shared_ptr<GatedBatteryService> gated;
        Bench bench(healthyAirWith([&](auto real) { return gated = std::make_shared<GatedBatteryService>(real); }));
        bench.model.start();
        bench.advance(300ms);
        QCOMPARE(bench.model.progress(), 0.43);

        bench.model.reset();
        QCOMPARE(bench.model.progressText(), QStringLiteral("Akku-Diagnose wird vorbereitet …"));
        QSignalSpy progress(&bench.model, &BatteryDiagnosticViewModel::progressChanged);
        QSignalSpy phase(&bench.model, &BatteryDiagnosticViewModel::phaseChanged);
        QSignalSpy snapshot(&bench.model, &BatteryDiagnosticViewModel::resultsChanged);
        gated->open();
        waitForReader();
        bench.advance(5s);

        QCOMPARE(progress.count() + phase.count() + snapshot.count(), 0);
        QCOMPARE(bench.model.phase(), Phase::start);
        QVERIFY(!bench.model.batterySnapshot());
        QVERIFY(!bench.clock.hasSleepers());
    }

    void secondStartRestartsFromTheBeginning()
    {
        Bench bench(makeFakePlatform(BatteryMachines::agingPro()));
        bench.model.start();
        waitForReader();
        bench.advance(600ms);
        QCOMPARE(bench.model.progress(), 0.66);

        bench.samples.clear();
        bench.model.start();
        QCOMPARE(bench.model.progress(), 0.2);
        waitForReader();
        bench.advance(1440ms);

        // Only the new check's steps, none of the old one's, counted from the restart.
        const std::vector<Sample> expected {{600, 0.04},  {600, 0.2},   {850, 0.43},
                                            {1180, 0.66}, {1530, 0.86}, {1860, 1.0}};
        QCOMPARE(bench.samples, expected);
        QCOMPARE(bench.model.phase(), Phase::result);
        QCOMPARE(bench.model.batteryEvaluation()->verdict, BatteryVerdict::soon);
    }

    void failuresShowTheirSentence_data()
    {
        QTest::addColumn<SimulatedMachine>("machine");
        QTest::addColumn<QString>("message");

        QTest::newRow("desktop without battery")
            << BatteryMachines::desktop()
            << QStringLiteral(
                   "Keine interne MacBook Batterie wurde gefunden. Die App ist für MacBook, MacBook Air, MacBook "
                   "Pro und MacBook Neo vorgesehen.");

        SimulatedMachine silentNotebook;
        silentNotebook.hwModel = QStringLiteral("MacBookAir10,1");
        QTest::newRow("notebook whose sources say nothing")
            << silentNotebook << localizedDescription(BatteryReaderError::systemProfilerFailed);
    }

    void failuresShowTheirSentence()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(QString, message);

        Bench bench(makeFakePlatform(machine));
        bench.model.start();
        waitForReader();
        bench.advance(1260ms);

        QCOMPARE(bench.model.phase(), Phase::error);
        QCOMPARE(bench.model.errorMessage(), message);
        QVERIFY(!bench.model.batterySnapshot());
        QVERIFY(!bench.model.batteryEvaluation());
    }

    void unexpectedReaderFailureStillEndsTheCheck()
    {
        Bench bench(healthyAirWith([](auto) { return std::make_shared<ThrowingBatteryService>(); }));
        bench.model.start();
        waitForReader();
        bench.advance(1500ms);

        QCOMPARE(bench.model.phase(), Phase::error);
        QVERIFY(bench.model.errorMessage().isEmpty());
    }

    void checkOutlivingItsModelChangesNothing()
    {
        ManualClock clock;
        auto *model = new BatteryDiagnosticViewModel(makeFakePlatform(BatteryMachines::healthyAir()), clock);
        model->start();
        waitForReader();
        clock.advance(300ms);
        delete model;

        clock.advance(5s);
        QCoreApplication::processEvents();
        QVERIFY(!clock.hasSleepers());
    }
};

QTEST_GUILESS_MAIN(BatteryFlowTest)
#include "BatteryFlowTest.moc"
