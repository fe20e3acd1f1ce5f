#include "power/PowerDiagnosticViewModel.h"
#include "support/BatteryMachines.h"
#include "support/FlowBench.h"
#include "support/FlowSignals.h"
#include "support/GatedBatteryService.h"
#include "support/PowerMachines.h"

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

    // A read that comes back after the user left publishes nothing, not even
    // its failure, which no later pause would hold back.
    void leavingDuringTheReadPublishesNothing()
    {
        Platform platform = makeFakePlatform(BatteryMachines::desktop());
        const auto gated = std::make_shared<GatedBatteryService>(platform.batteryService);
        platform.batteryService = gated;
        Bench bench(platform);
        bench.model.start();
        bench.recorder.advance(500ms);
        bench.model.reset();
        FlowSignals published(&bench.model);
        gated->open();
        bench.advance(2s);
        QCOMPARE(published.seen, 0);
    }
};

QTEST_GUILESS_MAIN(PowerFlowTest)
#include "PowerFlowTest.moc"
