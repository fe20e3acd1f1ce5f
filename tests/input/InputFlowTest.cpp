#include "input/InputDiagnosticViewModel.h"
#include "support/BatteryMachines.h"
#include "support/GatedBatteryService.h"
#include "support/ManualClock.h"

#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

using Phase = InputDiagnosticViewModel::Phase;

Q_DECLARE_METATYPE(MacBookFamily)

namespace {

void waitForRead()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
}

} // namespace

class InputFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void startReadsTheFamilyThenTests_data();
    void startReadsTheFamilyThenTests();
    void leavingDuringTheReadPublishesNothing();
};

void InputFlowTest::startReadsTheFamilyThenTests_data()
{
    QTest::addColumn<SimulatedMachine>("machine");
    QTest::addColumn<MacBookFamily>("family");

    SimulatedMachine twelveInch = BatteryMachines::healthyAir();
    twelveInch.hwModel = QStringLiteral("MacBook10,1");
    QTest::newRow("Air") << BatteryMachines::healthyAir() << MacBookFamily::air;
    QTest::newRow("12-inch") << twelveInch << MacBookFamily::twelveInch;
    QTest::newRow("no battery") << BatteryMachines::desktop() << MacBookFamily::unsupported;
}

void InputFlowTest::startReadsTheFamilyThenTests()
{
    QFETCH(SimulatedMachine, machine);
    QFETCH(MacBookFamily, family);

    ManualClock clock;
    InputDiagnosticViewModel model(makeFakePlatform(machine), clock);
    model.recordKeyCode(0);
    model.markMagnified();
    model.start();
    QCOMPARE(model.phase(), Phase::start);
    waitForRead();
    QCOMPARE(model.phase(), Phase::testing);
    QCOMPARE(model.family(), family);
    // The test starts from nothing.
    QVERIFY(model.pressedKeyCodes().isEmpty());
    QCOMPARE(model.trackpad(), TrackpadActions());
    QCOMPARE(model.sidebarStep(), 2);

    model.recordKeyCode(56);
    model.recordKeyCode(122);
    model.markScrolled();
    QCOMPARE(model.recognisedKeyCount(), 1);
    QCOMPARE(model.trackpadStep(), TrackpadTestStep::move);
    model.finish();
    QCOMPARE(model.phase(), Phase::result);
    QCOMPARE(model.sidebarStep(), 4);
    QCOMPARE(model.result().pressedCount, 1);
    QCOMPARE(model.result().family, family);
    QVERIFY(model.result().trackpad.scrolled);

    model.reset();
    QCOMPARE(model.phase(), Phase::start);
    QVERIFY(!model.hasResult());
    QVERIFY(model.pressedKeyCodes().isEmpty());
    QCOMPARE(model.trackpad(), TrackpadActions());
    QCOMPARE(model.family(), family);
}

void InputFlowTest::leavingDuringTheReadPublishesNothing()
{
    Platform platform = makeFakePlatform(BatteryMachines::healthyAir());
    const auto gated = std::make_shared<GatedBatteryService>(platform.batteryService);
    platform.batteryService = gated;
    ManualClock clock;
    InputDiagnosticViewModel model(platform, clock);
    model.start();
    model.reset();
    QSignalSpy phases(&model, &DiagnosticFlow::phaseChanged);
    gated->open();
    waitForRead();
    QCOMPARE(phases.count(), 0);
    QCOMPARE(model.family(), MacBookFamily::unsupported);
}

QTEST_GUILESS_MAIN(InputFlowTest)
#include "InputFlowTest.moc"
