#include "battery/BatteryDiagnosticViewModel.h"
#include "machine/BatteryReaderError.h"
#include "support/BatteryMachines.h"
#include "support/FlowBench.h"
#include "support/FlowSignals.h"
#include "support/GatedBatteryService.h"
#include "support/ManualClock.h"

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
        QCOMPARE(bench.model.progressText(), QStringLiteral("Akku-Diagnose wird vorbereitet …"));
        bench.model.start();
        QCOMPARE(bench.model.phase(), Phase::checking);
        waitForReader();

        bench.advance(1439ms);
        QCOMPARE(bench.model.phase(), Phase::checking);
        QCOMPARE(bench.model.progressText(), QStringLiteral("Akku-Diagnose abgeschlossen"));
        bench.advance(1ms);
        QCOMPARE(bench.model.phase(), Phase::result);

        const std::vector<Sample> expected {{0, 0.04}, {0, 0.2}, {250, 0.43}, {580, 0.66}, {930, 0.86}, {1260, 1.0}};
        QCOMPARE(bench.recorder.progress, expected);
        const QStringList texts {"MacBook Modell wird erkannt …",     "MacBook Modell wird erkannt …",
                                 "Batteriedaten werden ausgelesen …", "Kapazität und Ladezyklen werden geprüft …",
                                 "Batteriezustand wird bewertet …",   "Akku-Diagnose abgeschlossen"};
        QCOMPARE(bench.recorder.texts, texts);
        QCOMPARE(bench.recorder.phases.back(), (Sample {1440, static_cast<double>(Phase::result)}));
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

    // A read that comes back after the user left publishes nothing.
    void leavingDuringAStepPublishesNothingLater()
    {
        std::shared_ptr<GatedBatteryService> gated;
        Bench bench(healthyAirWith([&](auto real) { return gated = std::make_shared<GatedBatteryService>(real); }));
        bench.model.start();
        bench.advance(300ms);
        bench.model.reset();
        FlowSignals published(&bench.model);
        gated->open();
        waitForReader();
        bench.advance(5s);
        QCOMPARE(published.seen, 0);
        QVERIFY(!bench.model.batterySnapshot());
    }

    void secondStartRestartsFromTheBeginning()
    {
        Bench bench(makeFakePlatform(BatteryMachines::agingPro()));
        bench.model.start();
        waitForReader();
        bench.advance(600ms);
        QCOMPARE(bench.model.progress(), 0.66);

        bench.recorder.progress.clear();
        bench.model.start();
        QCOMPARE(bench.model.progress(), 0.2);
        waitForReader();
        bench.advance(1440ms);

        // Only the new check's steps, none of the old one's, counted from the restart.
        const std::vector<Sample> expected {{600, 0.04},  {600, 0.2},   {850, 0.43},
                                            {1180, 0.66}, {1530, 0.86}, {1860, 1.0}};
        QCOMPARE(bench.recorder.progress, expected);
        QCOMPARE(bench.model.phase(), Phase::result);
        QCOMPARE(bench.model.batteryEvaluation()->verdict, BatteryVerdict::soon);
    }

    // The desktop's sentence: power_screens and app_screens.
    void failuresEndInTheErrorPhase_data()
    {
        QTest::addColumn<bool>("readerThrows");
        QTest::addColumn<QString>("message");
        QTest::newRow("notebook whose sources say nothing")
            << false << localizedDescription(BatteryReaderError::systemProfilerFailed);
        QTest::newRow("reader throws") << true << QString();
    }

    void failuresEndInTheErrorPhase()
    {
        QFETCH(bool, readerThrows);
        QFETCH(QString, message);

        SimulatedMachine silentNotebook;
        silentNotebook.hwModel = QStringLiteral("MacBookAir10,1");
        Bench bench(readerThrows ? healthyAirWith([](auto) { return std::make_shared<ThrowingBatteryService>(); })
                                 : makeFakePlatform(silentNotebook));
        bench.model.start();
        waitForReader();
        bench.advance(1500ms);

        QCOMPARE(bench.model.phase(), Phase::error);
        QCOMPARE(bench.model.errorMessage(), message);
        QVERIFY(!bench.model.batterySnapshot());
        QVERIFY(!bench.model.batteryEvaluation());
    }
};

QTEST_GUILESS_MAIN(BatteryFlowTest)
#include "BatteryFlowTest.moc"
