#include "app/AppShell.h"
#include "support/BatteryMachines.h"
#include "support/ManualClock.h"

#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

using namespace std::chrono_literals;
using Phase = BatteryDiagnosticViewModel::Phase;

namespace {

struct Shell
{
    explicit Shell(const SimulatedMachine &machine = BatteryMachines::healthyAir())
        : shell(makeFakePlatform(machine), clock)
    {
    }
    void advance(std::chrono::milliseconds duration)
    {
        QThreadPool::globalInstance()->waitForDone();
        for (auto passed = 0ms; passed < duration; passed += 10ms) {
            clock.advance(std::min(10ms, duration - passed));
            QCoreApplication::processEvents();
        }
    }
    ManualClock clock;
    AppShell shell;
};

} // namespace

class AppShellTest : public QObject
{
    Q_OBJECT

private slots:
    void catalogueListsTheTenModulesInOrder();
    void choosingBatteryStartsTheCheckAtOnce();
    void sidebarStepFollowsTheBatteryCheck_data();
    void sidebarStepFollowsTheBatteryCheck();
    void modulesWithoutAFlowShowAsRunning();
    void backCancelsTheRunningCheck();
    void reenteringStartsAFreshCheck();
    void legalSheetLeavesTheRouteAlone();
    void unknownModuleNameChangesNothing();
};

void AppShellTest::catalogueListsTheTenModulesInOrder()
{
    Shell fixture;
    const QVariantList modules = fixture.shell.modules();
    QStringList order;
    for (const QVariant &entry : modules)
        order << entry.toMap().value(QStringLiteral("module")).toString();
    QCOMPARE(order, QStringList({"battery", "system", "power", "fans", "usbC", "speakers", "display", "input", "media",
                                 "storage"}));

    const QVariantMap media = modules.at(8).toMap();
    QCOMPARE(media.value(QStringLiteral("title")).toString(), QStringLiteral("Kamera & Mikrofon"));
    QCOMPARE(media.value(QStringLiteral("eyebrow")).toString(), QStringLiteral("KAMERA & TON"));
    QCOMPARE(media.value(QStringLiteral("subtitle")).toString(), QStringLiteral("Livebild & Mikrofonpegel"));
    QCOMPARE(media.value(QStringLiteral("symbol")).toString(), QStringLiteral("video.and.waveform"));
    for (DiagnosisModule module : allDiagnosisModules())
        QCOMPARE(diagnosisModule(rawValue(module)), module);
}

void AppShellTest::choosingBatteryStartsTheCheckAtOnce()
{
    Shell fixture;
    QCOMPARE(fixture.shell.routeName(), QStringLiteral("selection"));
    QCOMPARE(fixture.shell.currentStep(), 1);

    fixture.shell.startModule(DiagnosisModule::battery);
    QCOMPARE(fixture.shell.route(), DiagnosisRoute{DiagnosisModule::battery});
    QCOMPARE(fixture.shell.batteryModel()->phase(), Phase::checking);
    QCOMPARE(fixture.shell.currentStep(), 2);

    // Finishing the check leaves the route on the module.
    fixture.advance(2s);
    QCOMPARE(fixture.shell.batteryModel()->phase(), Phase::result);
    QCOMPARE(fixture.shell.routeName(), QStringLiteral("battery"));
}

void AppShellTest::sidebarStepFollowsTheBatteryCheck_data()
{
    QTest::addColumn<SimulatedMachine>("machine");
    QTest::addColumn<int>("elapsed");
    QTest::addColumn<int>("step");

    QTest::newRow("checking at 0.66") << BatteryMachines::healthyAir() << 600 << 2;
    QTest::newRow("checking at 0.86") << BatteryMachines::healthyAir() << 930 << 3;
    QTest::newRow("closing at 1.0") << BatteryMachines::healthyAir() << 1300 << 3;
    QTest::newRow("result") << BatteryMachines::healthyAir() << 1440 << 4;
    QTest::newRow("error") << BatteryMachines::desktop() << 1300 << 3;
}

void AppShellTest::sidebarStepFollowsTheBatteryCheck()
{
    QFETCH(SimulatedMachine, machine);
    QFETCH(int, elapsed);
    QFETCH(int, step);

    Shell fixture(machine);
    QSignalSpy steps(&fixture.shell, &AppShell::currentStepChanged);
    fixture.shell.startModule(QStringLiteral("battery"));
    fixture.advance(std::chrono::milliseconds(elapsed));
    QCOMPARE(fixture.shell.currentStep(), step);
    QCOMPARE(steps.isEmpty(), false);

    fixture.shell.batteryModel()->reset();
    QCOMPARE(fixture.shell.currentStep(), 2);
}

void AppShellTest::modulesWithoutAFlowShowAsRunning()
{
    Shell fixture;
    for (DiagnosisModule module : allDiagnosisModules()) {
        if (module == DiagnosisModule::battery)
            continue;
        fixture.shell.startModule(module);
        QCOMPARE(fixture.shell.routeName(), rawValue(module));
        QCOMPARE(fixture.shell.currentStep(), 2);
        fixture.shell.back();
        QCOMPARE(fixture.shell.currentStep(), 1);
    }
}

void AppShellTest::backCancelsTheRunningCheck()
{
    Shell fixture;
    fixture.shell.startModule(DiagnosisModule::battery);
    fixture.advance(300ms);
    fixture.shell.back();
    QCOMPARE(fixture.shell.route(), DiagnosisRoute::selection());
    QCOMPARE(fixture.shell.batteryModel()->phase(), Phase::start);
    QCOMPARE(fixture.shell.currentStep(), 1);

    fixture.advance(3s);
    QCOMPARE(fixture.shell.batteryModel()->phase(), Phase::start);
    QCOMPARE(fixture.shell.batteryModel()->progress(), 0.0);
}

void AppShellTest::reenteringStartsAFreshCheck()
{
    Shell fixture;
    fixture.shell.startModule(DiagnosisModule::battery);
    fixture.advance(2s);
    fixture.shell.back();
    fixture.shell.startModule(DiagnosisModule::battery);
    QCOMPARE(fixture.shell.batteryModel()->phase(), Phase::checking);
    QCOMPARE(fixture.shell.batteryModel()->progress(), 0.2);
    QVERIFY(!fixture.shell.batteryModel()->batterySnapshot());
}

void AppShellTest::legalSheetLeavesTheRouteAlone()
{
    Shell fixture;
    fixture.shell.startModule(DiagnosisModule::fans);
    QSignalSpy routes(&fixture.shell, &AppShell::routeChanged);
    fixture.shell.openLegalInformation();
    QVERIFY(fixture.shell.showLegalInformation());
    fixture.shell.setShowLegalInformation(false);
    QVERIFY(!fixture.shell.showLegalInformation());
    QCOMPARE(routes.count(), 0);
    QCOMPARE(fixture.shell.routeName(), QStringLiteral("fans"));
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
