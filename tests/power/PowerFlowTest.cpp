#include "power/PowerDiagnosticViewModel.h"
#include "support/BatteryMachines.h"
#include "support/FlowBench.h"
#include "support/GatedBatteryService.h"
#include "support/PowerMachines.h"

#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

using namespace std::chrono_literals;
using Phase = PowerDiagnosticViewModel::Phase;
using Sample = FlowBench::Sample;

namespace {

struct Bench
{
    explicit Bench(Platform platform)
        : model(std::move(platform), clock)
    {
    }
    // Lets a started read finish before virtual time moves on.
    void advance(std::chrono::milliseconds duration)
    {
        for (auto passed = 0ms; passed < duration; passed += 10ms) {
            QThreadPool::globalInstance()->waitForDone();
            QCoreApplication::processEvents();
            recorder.advance(std::min(10ms, duration - passed));
        }
    }

    ManualClock clock;
    PowerDiagnosticViewModel model;
    FlowBench recorder {model, clock};
};

} // namespace

class PowerFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void pacesTheCheckAroundTheRead()
    {
        Bench bench(makeFakePlatform(PowerMachines::chargingPro()));
        QCOMPARE(bench.model.progressText(), QStringLiteral("Stromversorgung wird vorbereitet …"));
        bench.model.start();
        bench.advance(440ms);
        QCOMPARE(bench.model.progress(), 0.12);
        QCOMPARE(bench.model.sidebarStep(), 2);
        bench.advance(2s);

        const std::vector<Sample> progress {{0, 0.12}, {450, 0.55}, {900, 1.0}};
        QCOMPARE(bench.recorder.progress, progress);
        QCOMPARE(bench.recorder.texts,
                 (QStringList {"Ladegerät wird gesucht …", "Ladestatus wird geprüft …", "Ladestatus wird geprüft …"}));
        const std::vector<Sample> phases {{0, double(Phase::checking)}, {900, double(Phase::result)}};
        QCOMPARE(bench.recorder.phases, phases);
        QCOMPARE(bench.model.result().verdict, CustomerVerdict::Good);
        QCOMPARE(bench.model.snapshot()->adapterWatts, 94);
        QCOMPARE(bench.model.sidebarStep(), 4);
    }

    void readerFailureShowsItsSentence()
    {
        Bench bench(makeFakePlatform(BatteryMachines::desktop()));
        bench.model.start();
        bench.advance(1s);
        QCOMPARE(bench.model.phase(), Phase::error);
        QVERIFY(
            bench.model.errorMessage().startsWith(QStringLiteral("Keine interne MacBook Batterie wurde gefunden.")));
        QVERIFY(!bench.model.hasResult());
        QCOMPARE(bench.model.sidebarStep(), 3);

        bench.model.reset();
        QCOMPARE(bench.model.phase(), Phase::start);
        QVERIFY(bench.model.errorMessage().isEmpty());
    }

    void leavingDuringTheReadPublishesNothing()
    {
        Platform platform = makeFakePlatform(PowerMachines::stalledAir());
        const auto gated = std::make_shared<GatedBatteryService>(platform.batteryService);
        platform.batteryService = gated;
        Bench bench(platform);
        bench.model.start();
        bench.recorder.advance(500ms);
        QCOMPARE(bench.model.progress(), 0.55);

        bench.model.reset();
        QSignalSpy changes(&bench.model, &DiagnosticFlow::resultsChanged);
        QSignalSpy phases(&bench.model, &DiagnosticFlow::phaseChanged);
        gated->open();
        bench.advance(2s);
        QCOMPARE(changes.count() + phases.count(), 0);
        QCOMPARE(bench.model.phase(), Phase::start);
    }
};

QTEST_GUILESS_MAIN(PowerFlowTest)
#include "PowerFlowTest.moc"
