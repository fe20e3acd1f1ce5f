// Renders the shell and every module's screens from simulated machines to
// build/tour/*.png for a person to look at.
#include "fans/FanDiagnosticViewModel.h"
#include "support/BatteryMachines.h"
#include "support/FanMachines.h"
#include "support/GatedSleeper.h"
#include "support/PowerMachines.h"
#include "support/SpeakerScenes.h"
#include "support/SystemMachines.h"
#include "support/qml/ScreenHarness.h"

#include <QDir>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace std::chrono_literals;

class Tour : public QObject
{
    Q_OBJECT

private slots:
    void render_data();
    void render();
};

using Scene = std::function<void(ScreenHarness &)>;
Q_DECLARE_METATYPE(Scene)

namespace {

void startBattery(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_battery"));
    harness.waitForReader();
}

void finishBattery(ScreenHarness &harness)
{
    startBattery(harness);
    harness.advance(1500ms);
}

void finishSystemCheck(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_system"));
    QVERIFY(harness.advanceUntil([&harness] { return harness.shell().systemModel()->phaseName() == "result"; }));
    harness.advance(400ms);
}

// The lower part of the system result, with both lists open.
void openSystemLists(ScreenHarness &harness)
{
    finishSystemCheck(harness);
    harness.press(QStringLiteral("sensorListToggle"));
    harness.press(QStringLiteral("processListToggle"));
    harness.advance(100ms);
    // The opened lists are laid out when the window next renders.
    QTest::qWait(200);
    QQuickItem *result = harness.find(QStringLiteral("systemResult"));
    QVERIFY(result);
    auto *content = result->property("contentItem").value<QQuickItem *>();
    const QPointF summary = harness.find(QStringLiteral("sensorSummary"))->mapToItem(content, QPointF(0, 0));
    // Within the list's range, as a person could scroll it.
    const qreal end = std::max(0.0, result->property("contentHeight").toReal() - result->height());
    result->setProperty("contentY", std::clamp(summary.y() - 24, 0.0, end));
}

void finishPowerCheck(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_power"));
    QVERIFY(harness.advanceUntil([&harness] { return harness.shell().powerModel()->phaseName() != "checking"; }));
    harness.advance(400ms);
}

void finishFanCheck(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_fans"));
    QVERIFY(harness.advanceUntil([&harness] { return harness.shell().fanModel()->phaseName() == "result"; }));
    harness.advance(400ms);
}

// A fan check held in its temperature pause; it goes on once the shell, and
// with it the check's flow, is gone.
void holdFanCheck(ScreenHarness &harness)
{
    const auto sleeper = std::make_shared<GatedSleeper>();
    auto *flow = new FanDiagnosticViewModel(makeFakePlatform(FanMachines::twoFanPro()), harness.clock(), sleeper);
    QObject::connect(flow, &QObject::destroyed, [sleeper] { sleeper->end(0); });
    harness.shell().registerModule(DiagnosisModule::fans, flow, QStringLiteral("FanIntegratedModuleView.qml"));
    harness.press(QStringLiteral("moduleCard_fans"));
    harness.advance(400ms);
}

} // namespace

void Tour::render_data()
{
    QTest::addColumn<SimulatedMachine>("machine");
    QTest::addColumn<Scene>("scene");

    QTest::newRow("01-catalogue") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &) {});
    QTest::newRow("02-battery-checking") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        startBattery(harness);
        harness.advance(600ms);
    });
    QTest::newRow("03-battery-good-air") << BatteryMachines::healthyAir() << Scene(finishBattery);
    QTest::newRow("04-battery-soon-pro") << BatteryMachines::agingPro() << Scene(finishBattery);
    QTest::newRow("05-battery-replace-old-pro") << BatteryMachines::wornOutPro() << Scene(finishBattery);
    QTest::newRow("06-battery-unavailable") << BatteryMachines::sparseAir() << Scene(finishBattery);
    QTest::newRow("07-battery-error-desktop") << BatteryMachines::desktop() << Scene(finishBattery);
    QTest::newRow("08-legal-sheet") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        harness.press(QStringLiteral("topBarInfoButton"));
    });
    QTest::newRow("09-legal-sheet-imprint") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        harness.press(QStringLiteral("sidebarLegalButton"));
        QQuickItem *content = harness.find(QStringLiteral("legalContent"));
        QVERIFY(content);
        QTest::qWait(200);
        content->setProperty("contentY", content->property("contentHeight").toReal() - content->height());
    });
    QTest::newRow("11-system-checking") << SystemMachines::coolAir() << Scene([](ScreenHarness &harness) {
        harness.press(QStringLiteral("moduleCard_system"));
        harness.advance(1300ms);
    });
    QTest::newRow("12-system-cool-air") << SystemMachines::coolAir() << Scene(finishSystemCheck);
    QTest::newRow("13-system-cleaning-pro") << SystemMachines::overheatedPro() << Scene(finishSystemCheck);
    QTest::newRow("14-system-cleaning-pro-lists") << SystemMachines::overheatedPro() << Scene(openSystemLists);
    QTest::newRow("15-system-without-smc") << SystemMachines::withoutSmc() << Scene(finishSystemCheck);
    QTest::newRow("16-system-without-smc-lists") << SystemMachines::withoutSmc() << Scene(openSystemLists);
    QTest::newRow("17-battery-markup") << SystemMachines::markup() << Scene(finishBattery);
    QTest::newRow("18-system-markup-lists") << SystemMachines::markup() << Scene(openSystemLists);
    QTest::newRow("20-power-start") << PowerMachines::chargingPro() << Scene([](ScreenHarness &harness) {
        finishPowerCheck(harness);
        harness.shell().powerModel()->reset();
        harness.advance(400ms);
    });
    QTest::newRow("21-power-checking") << PowerMachines::chargingPro() << Scene([](ScreenHarness &harness) {
        harness.press(QStringLiteral("moduleCard_power"));
        harness.advance(600ms);
    });
    QTest::newRow("22-power-good") << PowerMachines::chargingPro() << Scene(finishPowerCheck);
    QTest::newRow("23-power-notice") << PowerMachines::fullAir() << Scene(finishPowerCheck);
    QTest::newRow("24-power-problem") << PowerMachines::stalledAir() << Scene(finishPowerCheck);
    QTest::newRow("25-power-unavailable") << PowerMachines::unpluggedPro() << Scene(finishPowerCheck);
    QTest::newRow("26-power-error") << BatteryMachines::desktop() << Scene(finishPowerCheck);
    QTest::newRow("30-fans-start") << FanMachines::twoFanPro() << Scene([](ScreenHarness &harness) {
        finishFanCheck(harness);
        harness.shell().fanModel()->reset();
        harness.advance(400ms);
    });
    QTest::newRow("31-fans-checking") << FanMachines::twoFanPro() << Scene(holdFanCheck);
    QTest::newRow("32-fans-good-pro") << FanMachines::twoFanPro() << Scene(finishFanCheck);
    QTest::newRow("33-fans-notice-pro") << FanMachines::hotTwoFanPro() << Scene(finishFanCheck);
    QTest::newRow("34-fans-problem-pro") << FanMachines::stalledTwoFanPro() << Scene(finishFanCheck);
    QTest::newRow("35-fans-unavailable-air") << FanMachines::fanlessAir() << Scene(finishFanCheck);
    QTest::newRow("36-fans-good-desktop") << FanMachines::desktop() << Scene(finishFanCheck);
    QTest::newRow("37-fans-nothing-readable") << BatteryMachines::desktop() << Scene(finishFanCheck);
    QTest::newRow("50-speakers-start") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        SpeakerScenes::useFakeOutput(harness, BatteryMachines::healthyAir());
        harness.press(QStringLiteral("moduleCard_speakers"));
        SpeakerScenes::flow(harness).reset();
        harness.advance(100ms);
    });
    QTest::newRow("51-speakers-right-playing") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        SpeakerScenes::useFakeOutput(harness, BatteryMachines::healthyAir());
        harness.press(QStringLiteral("moduleCard_speakers"));
        SpeakerScenes::play(harness, 6500ms);
    });
    QTest::newRow("52-speakers-right-asking") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        SpeakerScenes::useFakeOutput(harness, BatteryMachines::healthyAir());
        harness.press(QStringLiteral("moduleCard_speakers"));
        SpeakerScenes::play(harness, 13600ms);
    });
    QTest::newRow("53-speakers-left-preparing") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        SpeakerScenes::useFakeOutput(harness, BatteryMachines::healthyAir());
        harness.press(QStringLiteral("moduleCard_speakers"));
        SpeakerScenes::play(harness, 13600ms);
        SpeakerScenes::flow(harness).submitAssessment(SpeakerAssessment::Okay);
        SpeakerScenes::play(harness, 200ms);
    });
    QTest::newRow("54-speakers-no-output") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        FakeSpeakerOutput *output = SpeakerScenes::useFakeOutput(harness, BatteryMachines::healthyAir());
        output->channels.reset();
        output->startFailure = QStringLiteral("Es wurde kein Audio-Ausgabegerät gefunden.");
        harness.press(QStringLiteral("moduleCard_speakers"));
        SpeakerScenes::play(harness, 100ms);
    });
    QTest::newRow("55-speakers-mono-output") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        SpeakerScenes::useFakeOutput(harness, BatteryMachines::healthyAir())->channels = 1;
        harness.press(QStringLiteral("moduleCard_speakers"));
        SpeakerScenes::play(harness, 100ms);
    });
    QTest::newRow("56-speakers-evaluating") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        SpeakerScenes::useFakeOutput(harness, BatteryMachines::healthyAir());
        harness.press(QStringLiteral("moduleCard_speakers"));
        SpeakerScenes::play(harness, 13600ms);
        SpeakerScenes::flow(harness).submitAssessment(SpeakerAssessment::Okay);
        SpeakerScenes::play(harness, 14000ms);
        SpeakerScenes::flow(harness).submitAssessment(SpeakerAssessment::Okay);
        SpeakerScenes::play(harness, 1100ms);
    });
    QTest::newRow("57-speakers-result-good") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        SpeakerScenes::useFakeOutput(harness, BatteryMachines::healthyAir());
        SpeakerScenes::answerBoth(harness, SpeakerAssessment::Okay, SpeakerAssessment::Okay);
    });
    QTest::newRow("58-speakers-result-issue-pro") << BatteryMachines::agingPro() << Scene([](ScreenHarness &harness) {
        SpeakerScenes::useFakeOutput(harness, BatteryMachines::agingPro());
        SpeakerScenes::answerBoth(harness, SpeakerAssessment::AudioIssue, SpeakerAssessment::Okay);
    });
    QTest::newRow("59-speakers-result-silent-unknown")
        << BatteryMachines::desktop() << Scene([](ScreenHarness &harness) {
               SimulatedMachine unknown = BatteryMachines::desktop();
               unknown.hwModel.reset();
               SpeakerScenes::useFakeOutput(harness, unknown);
               SpeakerScenes::answerBoth(harness, SpeakerAssessment::Okay, SpeakerAssessment::Silent);
           });
    QTest::newRow("10-placeholder-module")
        << BatteryMachines::healthyAir()
        << Scene([](ScreenHarness &harness) { harness.press(QStringLiteral("moduleCard_storage")); });
}

void Tour::render()
{
    QFETCH(SimulatedMachine, machine);
    QFETCH(Scene, scene);

    ScreenHarness harness(machine);
    scene(harness);
    const QImage picture = harness.grab();
    QVERIFY(!picture.isNull());

    QDir().mkpath(QStringLiteral(TOUR_DIRECTORY));
    const QString path = QStringLiteral(TOUR_DIRECTORY "/%1.png").arg(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(picture.save(path), qPrintable(path));
}

QTEST_MAIN(Tour)
#include "Tour.moc"
