#include "app/AppShell.h"
#include "battery/BatteryDiagnosticViewModel.h"
#include "flow/SidebarStep.h"
#include "support/BatteryMachines.h"
#include "support/ManualClock.h"
#include "support/RecordingSleeper.h"

#include <QSignalSpy>
#include <QTest>

using Phase = BatteryDiagnosticViewModel::Phase;

namespace {

struct Shell
{
    Shell()
        : shell(makeFakePlatform(BatteryMachines::healthyAir()), clock, std::make_shared<RecordingSleeper>())
    {
    }
    ManualClock clock;
    AppShell shell;
};

// A module the shell has never heard of, with phases of its own, moved by
// the test itself.
class StandInFlow : public DiagnosticFlow
{
    Q_OBJECT
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)

public:
    enum class Phase { intro, portTesting, evaluating, result };
    Q_ENUM(Phase)

    explicit StandInFlow(Clock &clock)
        : DiagnosticFlow(clock, QStringLiteral("Vorbereitung …"))
    {
    }
    Phase phase() const { return static_cast<Phase>(phaseValue()); }
    int sidebarStep() const override
    {
        switch (phase()) {
        case Phase::evaluating: return 3;
        case Phase::result: return 4;
        default: return 2;
        }
    }
    void moveTo(Phase phase) { setPhaseValue(static_cast<int>(phase)); }

    int runs = 0;

private:
    QCoro::Task<> run(Ticket) override
    {
        ++runs;
        moveTo(Phase::portTesting);
        co_return;
    }
    void clearResults() override { }
};

} // namespace

class AppShellTest : public QObject
{
    Q_OBJECT

private slots:
    void catalogueRows_data();
    void catalogueRows();
    void sidebarStepOfAPacedCheck_data();
    void sidebarStepOfAPacedCheck();
    void registeredModuleIsDrivenByTheShell();
    void unknownModuleNameChangesNothing();
};

void AppShellTest::catalogueRows_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("row");

    const QList<QStringList> rows {
        {"battery", "Akku Check", "BATTERIE", "Kapazität, Ladezyklen & Akkuzustand", "battery.75"},
        {"system", "Temperatur & System", "THERMIK & SYSTEM", "Temperaturen, Kühlung & Hintergrundaktivität",
         "thermometer.medium"},
        {"power", "Ladegerät & Strom", "LADEN", "Ladegerät, Ladestatus & Stromaufnahme", "powerplug"},
        {"fans", "Lüfter Check", "KÜHLUNG", "Drehzahlen & Kühlverhalten", "fan"},
        {"usbC", "USB-C Anschlüsse", "ANSCHLÜSSE", "Controller & Ladefunktion je Anschluss", "cable.connector"},
        {"speakers", "Lautsprecher", "AUDIO", "Rechter & linker Audiokanal", "speaker.wave.2"},
        {"display", "Display Check", "BILDSCHIRM", "Pixel, Flecken, Streifen & Ausleuchtung", "display"},
        {"input", "Tastatur & Trackpad", "EINGABE", "Tasten, Klicks, Scrollen & Gesten", "keyboard"},
        {"media", "Kamera & Mikrofon", "KAMERA & TON", "Livebild & Mikrofonpegel", "video.and.waveform"},
        {"storage", "SSD & Speicher", "SPEICHER", "Freier Speicher, SMART & SSD-Speedtest", "internaldrive"},
    };
    for (int position = 0; position < rows.size(); ++position)
        QTest::newRow(qPrintable(rows[position].first())) << position << rows[position];
}

void AppShellTest::catalogueRows()
{
    QFETCH(int, position);
    QFETCH(QStringList, row);

    Shell fixture;
    const QVariantList modules = fixture.shell.modules();
    QCOMPARE(modules.size(), 10);
    const QVariantMap entry = modules.at(position).toMap();
    QStringList shown;
    for (const char *key : {"module", "title", "eyebrow", "subtitle", "symbol"})
        shown << entry.value(QLatin1String(key)).toString();
    QCOMPARE(shown, row);
    QCOMPARE(diagnosisModule(row.first()).has_value(), true);
    QCOMPARE(rawValue(*diagnosisModule(row.first())), row.first());
}

void AppShellTest::sidebarStepOfAPacedCheck_data()
{
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<double>("progress");
    QTest::addColumn<int>("step");

    QTest::newRow("start") << Phase::start << 0.0 << 2;
    QTest::newRow("checking at 0.81") << Phase::checking << 0.81 << 2;
    QTest::newRow("checking at 0.82") << Phase::checking << 0.82 << 3;
    QTest::newRow("checking at 0.86") << Phase::checking << 0.86 << 3;
    QTest::newRow("result") << Phase::result << 1.0 << 4;
    QTest::newRow("error") << Phase::error << 0.86 << 3;
}

void AppShellTest::sidebarStepOfAPacedCheck()
{
    QFETCH(Phase, phase);
    QFETCH(double, progress);
    QFETCH(int, step);
    QCOMPARE(checkSidebarStep(phase, progress, 0.82), step);
}

void AppShellTest::registeredModuleIsDrivenByTheShell()
{
    Shell fixture;
    auto *flow = new StandInFlow(fixture.clock);
    fixture.shell.registerModule(DiagnosisModule::usbC, flow, QStringLiteral("StandIn.qml"));

    QSignalSpy steps(&fixture.shell, &AppShell::currentStepChanged);
    fixture.shell.startModule(QStringLiteral("usbC"));
    QCOMPARE(flow->runs, 1);
    QCOMPARE(flow->phaseName(), QStringLiteral("portTesting"));
    QCOMPARE(fixture.shell.currentStep(), 2);
    flow->moveTo(StandInFlow::Phase::evaluating);
    QCOMPARE(fixture.shell.currentStep(), 3);
    flow->moveTo(StandInFlow::Phase::result);
    QCOMPARE(fixture.shell.currentStep(), 4);
    QCOMPARE(steps.count(), 3);

    fixture.shell.back();
    QCOMPARE(fixture.shell.currentStep(), 1);
    QCOMPARE(flow->phase(), StandInFlow::Phase::intro);
    QCOMPARE(flow->progressText(), QStringLiteral("Vorbereitung …"));

    // A flow that is not shown does not move the sidebar.
    flow->moveTo(StandInFlow::Phase::result);
    QCOMPARE(fixture.shell.currentStep(), 1);
}

void AppShellTest::unknownModuleNameChangesNothing()
{
    Shell fixture;
    QSignalSpy routes(&fixture.shell, &AppShell::routeChanged);
    fixture.shell.startModule(QStringLiteral("toaster"));
    QCOMPARE(routes.count(), 0);
    QCOMPARE(fixture.shell.routeName(), QStringLiteral("selection"));
}

QTEST_GUILESS_MAIN(AppShellTest)
#include "AppShellTest.moc"
