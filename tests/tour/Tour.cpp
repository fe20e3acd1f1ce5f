// Renders the shell and every module's screens from simulated machines to
// build/tour/*.png for a person to look at.
#include "fans/FanDiagnosticViewModel.h"
#include "input/InputDiagnosticViewModel.h"
#include "input/KeyboardLayout.h"
#include "media/MediaDiagnosticViewModel.h"
#include "support/BatteryMachines.h"
#include "support/FanMachines.h"
#include "support/GatedSleeper.h"
#include "support/PowerMachines.h"
#include "support/SpeakerScenes.h"
#include "support/SystemMachines.h"
#include "support/USBMachines.h"
#include "support/qml/ScreenHarness.h"
#include "support/qml/StorageScenes.h"
#include "ui/AccessibleTree.h"
#include "usbc/USBCheckViewModel.h"

#include <QDir>
#include <QGuiApplication>
#include <QTest>
#include <QtTest/qtestaccessible.h>

#include <algorithm>
#include <functional>

using namespace std::chrono_literals;

class Tour : public QObject
{
    Q_OBJECT

private slots:
    void render_data();
    void render();
    // The same screens as a screen reader finds them.
    void accessible_data() { render_data(); }
    void accessible();
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

SimulatedMachine withMedia(SimulatedMediaDevices devices)
{
    SimulatedMachine machine = BatteryMachines::healthyAir();
    machine.media = std::move(devices);
    return machine;
}

MediaDiagnosticViewModel &mediaFlow(ScreenHarness &harness)
{
    return *qobject_cast<MediaDiagnosticViewModel *>(harness.shell().mediaModel());
}

void openMediaTest(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_media"));
    harness.advance(400ms);
}

// A picture with depth and colour, as a camera would give it.
QImage cameraPicture()
{
    QImage picture(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, QColor::fromHsvF(0.55 - 0.25 * x / 640.0, 0.45, 0.35 + 0.55 * y / 480.0));
    }
    return picture;
}

void answerMedia(ScreenHarness &harness, const char *cameraAnswer, const char *microphoneAnswer)
{
    openMediaTest(harness);
    harness.press(QString::fromLatin1(cameraAnswer));
    harness.press(QString::fromLatin1(microphoneAnswer));
    harness.advance(400ms);
}

void startDisplayCheck(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_display"));
    harness.waitForReader();
    harness.advance(400ms);
}

void answerDisplayCheck(ScreenHarness &harness, const QList<bool> &answers)
{
    startDisplayCheck(harness);
    for (bool issue : answers)
        harness.press(issue ? QStringLiteral("answerIssue") : QStringLiteral("answerNoIssue"));
    harness.advance(400ms);
}

// The last image, enlarged; the enlarged window is saved beside the row's picture.
void enlargeDisplayGradient(ScreenHarness &harness)
{
    answerDisplayCheck(harness, QList<bool>(6, false));
    harness.press(QStringLiteral("enlargePatternButton"));
    QTest::qWait(450);
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->objectName() != QLatin1String("patternWindow") || !window->isVisible())
            continue;
        const QImage picture = static_cast<QQuickWindow *>(window)->grabWindow();
        QDir().mkpath(QStringLiteral(TOUR_DIRECTORY));
        QVERIFY(picture.save(
            QStringLiteral(TOUR_DIRECTORY "/%1-window.png").arg(QString::fromLatin1(QTest::currentDataTag()))));
    }
}

InputDiagnosticViewModel *startInputTest(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_input"));
    harness.waitForReader();
    harness.advance(400ms);
    return qobject_cast<InputDiagnosticViewModel *>(harness.shell().inputModel());
}

// Every other key of the layout, moved and clicked: the field asks for the
// secondary click.
void halfPressInputTest(ScreenHarness &harness)
{
    InputDiagnosticViewModel *model = startInputTest(harness);
    for (int i = 0; i < allTestKeys().size(); i += 2)
        model->recordKeyCode(allTestKeys().at(i).code);
    model->markPointerMoved();
    model->markPrimaryClick();
    harness.advance(400ms);
}

// The USB-C check on a simulated Mac, shown from its card; act moves the
// cable and the clock.
using UsbAct = std::function<void(ScreenHarness &, USBCheckViewModel &, ScriptedUSBHardware &)>;
Scene usbScene(USBMachine (*make)(), UsbAct act)
{
    return [make, act](ScreenHarness &harness) {
        const USBMachine mac = make();
        ManualClock &clock = harness.clock();
        auto *flow = new USBCheckViewModel(mac.platform, clock, [&clock] { return clock.now(); });
        harness.shell().registerModule(DiagnosisModule::usbC, flow, QStringLiteral("USBIntegratedModuleView.qml"));
        harness.press(QStringLiteral("moduleCard_usbC"));
        act(harness, *flow, *mac.hardware);
        harness.advance(400ms);
    };
}

void toPortTest(ScreenHarness &harness, USBCheckViewModel &flow)
{
    QVERIFY(harness.advanceUntil([&flow] { return flow.phaseName() == "portPreparation"; }));
    flow.startPortTests();
    harness.advance(600ms);
}

void untilStatus(ScreenHarness &harness, USBCheckViewModel &flow, const char *status)
{
    QVERIFY(harness.advanceUntil([&flow, status] { return flow.portTestStatusName() == QLatin1String(status); }));
}

// The charger goes from nowhere into the port until the check names it.
void usbReplug(ScreenHarness &harness, USBCheckViewModel &flow, ScriptedUSBHardware &hardware, int port)
{
    hardware.unplug();
    untilStatus(harness, flow, "waitingForConnection");
    hardware.plugInto(USBMachines::portId(port));
    untilStatus(harness, flow, "success");
    untilStatus(harness, flow, "waitingForDisconnect");
}

// Ports 1 and 2 pass, port 3 stays silent and is marked.
void usbTwoPassOneFails(ScreenHarness &harness, USBCheckViewModel &flow, ScriptedUSBHardware &hardware)
{
    toPortTest(harness, flow);
    usbReplug(harness, flow, hardware, 1);
    usbReplug(harness, flow, hardware, 2);
    hardware.unplug();
    untilStatus(harness, flow, "timedOut");
    flow.markPortDefective();
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
        SpeakerScenes::open(harness, BatteryMachines::healthyAir());
        SpeakerScenes::flow(harness).reset();
        harness.advance(100ms);
    });
    QTest::newRow("51-speakers-right-playing") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        SpeakerScenes::open(harness, BatteryMachines::healthyAir());
        SpeakerScenes::play(harness, 6500ms);
    });
    QTest::newRow("52-speakers-right-asking") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        SpeakerScenes::open(harness, BatteryMachines::healthyAir());
        SpeakerScenes::play(harness, 13600ms);
    });
    QTest::newRow("53-speakers-left-preparing") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        SpeakerScenes::open(harness, BatteryMachines::healthyAir());
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
        SpeakerScenes::open(harness, BatteryMachines::healthyAir());
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
    QTest::newRow("70-media-start") << withMedia({.camera = true}) << Scene([](ScreenHarness &harness) {
        openMediaTest(harness);
        mediaFlow(harness).reset();
        harness.advance(400ms);
    });
    // Video is drawn only on a real window system: the tour_camera test renders this one under Xvfb.
    QTest::newRow("71-media-camera-and-level") << withMedia({.camera = true}) << Scene([](ScreenHarness &harness) {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QSKIP("video needs a real window system");
        openMediaTest(harness);
        auto *devices = mediaFlow(harness).findChild<FakeMediaCapture *>();
        devices->showFrame(cameraPicture());
        emit devices->levelMeasured(0.62);
        harness.press(QStringLiteral("cameraGoodAnswer"));
        harness.advance(200ms);
    });
    QTest::newRow("72-media-no-camera-no-microphone")
        << withMedia({.microphoneFailure = QStringLiteral("Es wurde kein Mikrofon gefunden.")}) << Scene(openMediaTest);
    QTest::newRow("73-media-access-refused")
        << withMedia({.camera = true, .cameraAllowed = false, .microphoneAllowed = false}) << Scene(openMediaTest);
    QTest::newRow("74-media-good") << withMedia({.camera = true}) << Scene([](ScreenHarness &harness) {
        answerMedia(harness, "cameraGoodAnswer", "microphoneGoodAnswer");
    });
    QTest::newRow("75-media-problem") << withMedia({.camera = true}) << Scene([](ScreenHarness &harness) {
        answerMedia(harness, "cameraGoodAnswer", "microphoneBadAnswer");
    });
    QTest::newRow("60-display-start") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        startDisplayCheck(harness);
        harness.shell().displayModel()->reset();
        harness.advance(400ms);
    });
    QTest::newRow("61-display-first-image") << BatteryMachines::healthyAir() << Scene(startDisplayCheck);
    QTest::newRow("62-display-gradient-enlarged") << BatteryMachines::healthyAir() << Scene(enlargeDisplayGradient);
    QTest::newRow("63-display-problem") << BatteryMachines::agingPro() << Scene([](ScreenHarness &harness) {
        answerDisplayCheck(harness, {true, false, false, false, false, true, false});
    });
    QTest::newRow("64-display-good") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        answerDisplayCheck(harness, QList<bool>(7, false));
    });
    QTest::newRow("65-input-start") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        startInputTest(harness)->reset();
        harness.advance(400ms);
    });
    QTest::newRow("66-input-testing") << BatteryMachines::healthyAir()
                                      << Scene([](ScreenHarness &harness) { startInputTest(harness); });
    QTest::newRow("67-input-half-pressed") << BatteryMachines::healthyAir() << Scene(halfPressInputTest);
    QTest::newRow("68-input-notice") << BatteryMachines::agingPro() << Scene([](ScreenHarness &harness) {
        halfPressInputTest(harness);
        harness.press(QStringLiteral("finishInputButton"));
        harness.advance(400ms);
    });
    QTest::newRow("69-input-good") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        InputDiagnosticViewModel *model = startInputTest(harness);
        for (const KeyboardTestKey &key : allTestKeys())
            model->recordKeyCode(key.code);
        model->markPointerMoved();
        model->markPrimaryClick();
        model->markSecondaryClick();
        model->markScrolled();
        model->markMagnified();
        harness.press(QStringLiteral("finishInputButton"));
        harness.advance(400ms);
    });
    QTest::newRow("40-usbc-intro") << BatteryMachines::healthyAir()
                                   << usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &) {
                                          harness.advance(1600ms);
                                          flow.reset();
                                      });
    QTest::newRow("41-usbc-controller-scan")
        << BatteryMachines::healthyAir() << usbScene(USBMachines::appleSiliconPro, [](auto &, auto &, auto &) {});
    QTest::newRow("42-usbc-controller-failure")
        << BatteryMachines::healthyAir()
        << usbScene(USBMachines::appleSiliconProMissingPort, [](auto &harness, auto &flow, auto &) {
               QVERIFY(harness.advanceUntil([&flow] { return flow.phaseName() != "controllerScan"; }));
           });
    QTest::newRow("43-usbc-preparation-pro")
        << BatteryMachines::healthyAir()
        << usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &) {
               QVERIFY(harness.advanceUntil([&flow] { return flow.phaseName() != "controllerScan"; }));
           });
    QTest::newRow("43b-usbc-preparation-unknown")
        << BatteryMachines::healthyAir()
        << usbScene(USBMachines::unknownMachine, [](auto &harness, auto &flow, auto &) {
               QVERIFY(harness.advanceUntil([&flow] { return flow.phaseName() != "controllerScan"; }));
           });
    QTest::newRow("44-usbc-waiting-for-disconnect")
        << BatteryMachines::healthyAir()
        << usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &) { toPortTest(harness, flow); });
    QTest::newRow("44b-usbc-countdown") << BatteryMachines::healthyAir()
                                        << usbScene(USBMachines::appleSiliconPro,
                                                    [](auto &harness, auto &flow, auto &hardware) {
                                                        toPortTest(harness, flow);
                                                        hardware.unplug();
                                                        untilStatus(harness, flow, "waitingForConnection");
                                                        harness.advance(3100ms);
                                                    });
    QTest::newRow("45-usbc-checking") << BatteryMachines::healthyAir()
                                      << usbScene(USBMachines::appleSiliconPro,
                                                  [](auto &harness, auto &flow, auto &hardware) {
                                                      toPortTest(harness, flow);
                                                      hardware.unplug();
                                                      untilStatus(harness, flow, "waitingForConnection");
                                                      hardware.plugInto(USBMachines::portId(1));
                                                      untilStatus(harness, flow, "checking");
                                                  });
    QTest::newRow("45b-usbc-success") << BatteryMachines::healthyAir()
                                      << usbScene(USBMachines::appleSiliconPro,
                                                  [](auto &harness, auto &flow, auto &hardware) {
                                                      toPortTest(harness, flow);
                                                      hardware.unplug();
                                                      untilStatus(harness, flow, "waitingForConnection");
                                                      hardware.plugInto(USBMachines::portId(1));
                                                      untilStatus(harness, flow, "success");
                                                  });
    QTest::newRow("46-usbc-already-tested")
        << BatteryMachines::healthyAir()
        << usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &hardware) {
               toPortTest(harness, flow);
               usbReplug(harness, flow, hardware, 1);
               hardware.unplug();
               untilStatus(harness, flow, "waitingForConnection");
               hardware.plugInto(USBMachines::portId(1));
               untilStatus(harness, flow, "alreadyTested");
           });
    QTest::newRow("46b-usbc-wrong-power-source")
        << BatteryMachines::healthyAir()
        << usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &hardware) {
               toPortTest(harness, flow);
               hardware.unplug();
               untilStatus(harness, flow, "waitingForConnection");
               hardware.plugElsewhere();
               untilStatus(harness, flow, "wrongPowerSource");
           });
    QTest::newRow("47-usbc-timed-out") << BatteryMachines::healthyAir()
                                       << usbScene(USBMachines::appleSiliconPro,
                                                   [](auto &harness, auto &flow, auto &hardware) {
                                                       toPortTest(harness, flow);
                                                       hardware.unplug();
                                                       untilStatus(harness, flow, "timedOut");
                                                   });
    QTest::newRow("48-usbc-evaluating")
        << BatteryMachines::healthyAir()
        << usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &hardware) {
               usbTwoPassOneFails(harness, flow, hardware);
               QVERIFY(harness.advanceUntil([&flow] { return flow.evaluationProgress() >= 0.3; }));
           });
    QTest::newRow("49-usbc-result-one-failed")
        << BatteryMachines::healthyAir()
        << usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &hardware) {
               usbTwoPassOneFails(harness, flow, hardware);
               QVERIFY(harness.advanceUntil([&flow] { return flow.phaseName() == "result"; }));
           });
    QTest::newRow("49b-usbc-result-intel")
        << BatteryMachines::healthyAir()
        << usbScene(USBMachines::intelPro, [](auto &harness, auto &flow, auto &hardware) {
               toPortTest(harness, flow);
               for (int port = 0; port < 4; ++port) {
                   hardware.unplug();
                   untilStatus(harness, flow, "waitingForConnection");
                   hardware.plugElsewhere(96);
                   untilStatus(harness, flow, "success");
                   harness.advance(900ms);
               }
               QVERIFY(harness.advanceUntil([&flow] { return flow.phaseName() == "result"; }));
           });
    QTest::newRow("80-storage-start") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        StorageScenes::finish(harness, StorageMachines::roomyVerified());
        harness.shell().storageModel()->reset();
        harness.advance(400ms);
    });
    QTest::newRow("81-storage-measuring-sweep") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        StorageScenes::hold(harness, 0);
        // The needle swings in real time.
        QTest::qWait(700);
    });
    QTest::newRow("82-storage-measuring-speed") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        StorageScenes::hold(harness, qint64(32) << 20);
        QTest::qWait(700);
    });
    QTest::newRow("83-storage-good") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        StorageScenes::finish(harness, StorageMachines::roomyVerified());
    });
    QTest::newRow("84-storage-notice") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        StorageScenes::finish(harness, StorageMachines::tightVolume());
    });
    QTest::newRow("85-storage-problem-full")
        << BatteryMachines::healthyAir()
        << Scene([](ScreenHarness &harness) { StorageScenes::finish(harness, StorageMachines::nearlyFull()); });
    QTest::newRow("86-storage-problem-smart")
        << BatteryMachines::healthyAir()
        << Scene([](ScreenHarness &harness) { StorageScenes::finish(harness, StorageMachines::failingDrive()); });
    QTest::newRow("87-storage-error") << BatteryMachines::healthyAir() << Scene([](ScreenHarness &harness) {
        StorageScenes::finish(harness, StorageMachines::fullVolume());
    });
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

void Tour::accessible()
{
    QFETCH(SimulatedMachine, machine);
    QFETCH(Scene, scene);

    // As when a screen reader runs.
    QTestAccessibility::initialize();
    QAccessible::setActive(true);
    QTestAccessibility::clearEvents();
    ScreenHarness harness(machine);
    scene(harness);
    // Announcements go out once the screen has settled.
    QTest::qWait(50);

    QList<AccessibleTree::Node> nodes;
    const QStringList faults = AccessibleTree::faults(harness.window(), &nodes);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    QTestAccessibility::clearEvents();
}

QTEST_MAIN(Tour)
#include "Tour.moc"
