#include "support/FlowBench.h"
#include "support/RecordingSleeper.h"
#include "support/SystemMachines.h"
#include "system/ProcessSummaryText.h"
#include "system/SystemDiagnosticViewModel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSemaphore>
#include <QTest>

using namespace std::chrono_literals;
using Phase = SystemDiagnosticViewModel::Phase;

namespace {

using Sample = FlowBench::Sample;

// System checks in virtual time.
struct Bench
{
    explicit Bench(Platform platform, std::shared_ptr<const Sleeper> sleeper = std::make_shared<RecordingSleeper>())
        : model(std::move(platform), clock, std::move(sleeper))
    {
    }
    // Virtual time only moves once the measurements are done, as a real
    // check's steps outlast them.
    void advance(std::chrono::milliseconds duration) { recorder.advance(duration); }
    void runToResult()
    {
        advance(2600ms);
        QTRY_VERIFY(model.progress() == 1.0 || model.phase() == Phase::result);
        advance(300ms);
    }
    qint64 resultAt() const
    {
        for (const Sample &phase : recorder.phases)
            if (phase.value == static_cast<double>(Phase::result))
                return phase.at;
        return -1;
    }

    ManualClock clock;
    SystemDiagnosticViewModel model;
    FlowBench recorder {model, clock};
    std::vector<Sample> &samples = recorder.progress;
};

// Holds every measurement that sleeps until the test lets it go on.
class GatedSleeper : public Sleeper
{
public:
    void sleep(std::chrono::milliseconds) const override { m_gate.acquire(); }
    void open() const { m_gate.release(1000); }

private:
    mutable QSemaphore m_gate;
};

} // namespace

class SystemFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void walksThePacedSteps()
    {
        auto sleeper = std::make_shared<RecordingSleeper>();
        Bench bench(makeFakePlatform(SystemMachines::coolAir()), sleeper);
        bench.model.start();
        QCOMPARE(bench.model.phase(), Phase::checking);
        bench.runToResult();

        const std::vector<Sample> steps {{0, 0.03},    {0, 0.14},    {300, 0.31}, {720, 0.49},
                                         {1180, 0.67}, {1610, 0.82}, {2130, 0.93}};
        QCOMPARE(std::vector<Sample>(bench.samples.begin(), bench.samples.end() - 1), steps);
        const QStringList texts {"Temperatursensoren werden vorbereitet …",
                                 "Temperatursensoren werden erkannt …",
                                 "CPU-, GPU- und Akkutemperaturen werden gelesen …",
                                 "Temperaturen werden mehrfach geprüft …",
                                 "Kühlung und thermischer Systemstatus werden bewertet …",
                                 "Akku- & hardware-relevante Hintergrundaktivitäten werden geprüft …",
                                 "Systembelastung wird bewertet …",
                                 "Temperatur- & Systemcheck abgeschlossen"};
        QCOMPARE(bench.recorder.texts, texts);
        // Done once the last pause is over and the measurements have handed over.
        const Sample done = bench.samples.back();
        QCOMPARE(done.value, 1.0);
        QVERIFY(done.at >= 2510);
        QCOMPARE(bench.resultAt(), done.at + 180);
        QCOMPARE(bench.model.progressText(), QStringLiteral("Temperatur- & Systemcheck abgeschlossen"));
        QCOMPARE(bench.model.phase(), Phase::result);
        // Six temperature rounds 0.3 s apart and eight process rounds 0.42 s apart.
        QCOMPARE(sleeper->pauses().count(300ms), 5);
        QCOMPARE(sleeper->pauses().count(420ms), 7);
    }

    void waitsForTheSlowestMeasurement()
    {
        auto sleeper = std::make_shared<GatedSleeper>();
        Bench bench(makeFakePlatform(SystemMachines::coolAir()), sleeper);
        bench.model.start();
        bench.advance(5000ms);
        QCOMPARE(bench.model.progress(), 0.93);
        QVERIFY(!bench.model.thermalReport());

        sleeper->open();
        QTRY_COMPARE(bench.model.progress(), 1.0);
        bench.advance(200ms);
        QCOMPARE(bench.model.phase(), Phase::result);
    }

    void secondStartRestarts()
    {
        Bench bench(makeFakePlatform(SystemMachines::coolAir()));
        bench.model.start();
        bench.advance(1200ms);
        bench.samples.clear();
        bench.model.start();
        QCOMPARE(bench.samples.front().value, 0.03);
        QVERIFY(!bench.model.thermalReport());
        bench.runToResult();

        // The first check's steps would have landed at 1610 and later.
        std::vector<double> progress;
        for (const Sample &sample : bench.samples)
            progress.push_back(sample.value);
        QCOMPARE(progress, (std::vector<double> {0.03, 0.14, 0.31, 0.49, 0.67, 0.82, 0.93, 1.0}));
        QVERIFY(bench.resultAt() >= 1200 + 2690);
    }

    void leavingNeverPublishes()
    {
        auto sleeper = std::make_shared<GatedSleeper>();
        Bench bench(makeFakePlatform(SystemMachines::overheatedPro()), sleeper);
        bench.model.start();
        bench.advance(700ms);
        bench.model.reset();
        QCOMPARE(bench.model.phase(), Phase::start);
        QCOMPARE(bench.model.progress(), 0.0);
        QCOMPARE(bench.model.progressText(), QStringLiteral("Temperatur- & Systemcheck wird vorbereitet …"));

        sleeper->open();
        bench.advance(5000ms);
        QTest::qWait(50);
        QCoreApplication::processEvents();
        QCOMPARE(bench.model.phase(), Phase::start);
        QVERIFY(!bench.model.thermalReport());
        QVERIFY(!bench.model.processEvaluation());
    }

    // The power state comes from the operating system's power source; the
    // battery's own flag does not count, and a missing battery is no sign of
    // battery power.
    void readsThePowerSource_data()
    {
        QTest::addColumn<SimulatedMachine>("machine");
        QTest::addColumn<std::optional<bool>>("externalPower");
        QTest::addColumn<bool>("onBattery");
        const auto withSource = [](SimulatedMachine machine, ProvidingPowerSource source) {
            machine.powerSource = source;
            return machine;
        };
        SimulatedMachine desktop = SystemMachines::coolAir();
        desktop.batteryProperties.reset();
        desktop.overviewJson.reset();
        desktop.hwModel = QStringLiteral("Macmini9,1");
        QTest::newRow("adapter") << SystemMachines::coolAir() << std::optional<bool>(true) << false;
        QTest::newRow("battery") << SystemMachines::overheatedPro() << std::optional<bool>(false) << true;
        QTest::newRow("desktop without battery")
            << withSource(desktop, ProvidingPowerSource::ac) << std::optional<bool>(true) << false;
        QTest::newRow("battery flag overruled") << withSource(SystemMachines::coolAir(), ProvidingPowerSource::battery)
                                                << std::optional<bool>(false) << true;
        QTest::newRow("unknown counts as battery")
            << withSource(SystemMachines::coolAir(), ProvidingPowerSource::unknown) << std::optional<bool>() << true;
    }
    void readsThePowerSource()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(std::optional<bool>, externalPower);
        QFETCH(bool, onBattery);
        Bench bench(makeFakePlatform(machine));
        bench.model.start();
        bench.runToResult();
        QCOMPARE(bench.model.phase(), Phase::result);
        QCOMPARE(bench.model.externalPowerConnected(), externalPower);
        QCOMPARE(bench.model.onBattery(), onBattery);
    }

    void publishesAndCopiesBothHalves()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Bench bench(makeFakePlatform(SystemMachines::overheatedPro()));
        bench.model.start();
        bench.runToResult();
        QCOMPARE(bench.model.thermalReport()->sensors.size(), 5);
        QCOMPARE(bench.model.thermalEvaluation()->verdict, ThermalVerdict::cleaningNeeded);
        QCOMPARE(bench.model.processReport()->sampleCount, 8);
        QCOMPARE(bench.model.processEvaluation()->verdict, ProcessLoadVerdict::heavy);

        bench.model.copyTemperatureSummary();
        const QString temperatures = QGuiApplication::clipboard()->text();
        QVERIFY2(temperatures.contains(QStringLiteral("\nTC0P | CPU Nähe | Ø 97,5 °C | max 97,5 °C | Samples 6")),
                 qPrintable(temperatures));

        bench.model.copyProcessSummary();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 processSummaryText(*bench.model.processReport(), *bench.model.processEvaluation(), true));
    }
};

QTEST_MAIN(SystemFlowTest)
#include "SystemFlowTest.moc"
