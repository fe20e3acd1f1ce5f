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

// The module's card pressed and the clock moved on.
Scene pressed(const char *module, std::chrono::milliseconds time)
{
    return [module, time](ScreenHarness &harness) {
        harness.press(QStringLiteral("moduleCard_") + QLatin1String(module));
        harness.advance(time);
    };
}

// The module's check run to its result, or its error.
void finish(ScreenHarness &harness, const QString &module)
{
    harness.press(QStringLiteral("moduleCard_") + module);
    DiagnosticFlow *flow = harness.shell().flow(module);
    QVERIFY(harness.advanceUntil([flow] { return flow->phaseName() == "result" || flow->phaseName() == "error"; }));
    harness.advance(400ms);
}

Scene finished(const char *module)
{
    return [module](ScreenHarness &harness) { finish(harness, QLatin1String(module)); };
}

// The check's start section: run once, then reset.
Scene startSection(const char *module)
{
    return [module](ScreenHarness &harness) {
        finish(harness, QLatin1String(module));
        harness.shell().flow(QLatin1String(module))->reset();
        harness.advance(400ms);
    };
}

// The lower part of the system result, with both lists open.
void openSystemLists(ScreenHarness &harness)
{
    finish(harness, QStringLiteral("system"));
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

Scene speakers(std::chrono::milliseconds rightFor, std::chrono::milliseconds leftFor = 0ms,
               std::chrono::milliseconds evaluatingFor = 0ms)
{
    return [=](ScreenHarness &harness) {
        SpeakerScenes::open(harness, BatteryMachines::healthyAir());
        SpeakerScenes::play(harness, rightFor);
        if (leftFor == 0ms)
            return;
        SpeakerScenes::flow(harness).submitAssessment(SpeakerAssessment::Okay);
        SpeakerScenes::play(harness, leftFor);
        if (evaluatingFor == 0ms)
            return;
        SpeakerScenes::flow(harness).submitAssessment(SpeakerAssessment::Okay);
        SpeakerScenes::play(harness, evaluatingFor);
    };
}

Scene speakerResult(const SimulatedMachine &machine, SpeakerAssessment right, SpeakerAssessment left)
{
    return [=](ScreenHarness &harness) {
        SpeakerScenes::useFakeOutput(harness, machine);
        SpeakerScenes::answerBoth(harness, right, left);
    };
}

SimulatedMachine withMedia(SimulatedMediaDevices devices)
{
    SimulatedMachine machine = BatteryMachines::healthyAir();
    machine.media = std::move(devices);
    return machine;
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

Scene mediaAnswers(const char *camera, const char *microphone)
{
    return [=](ScreenHarness &harness) {
        pressed("media", 400ms)(harness);
        harness.press(QString::fromLatin1(camera));
        harness.press(QString::fromLatin1(microphone));
        harness.advance(400ms);
    };
}

void startDisplayCheck(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_display"));
    harness.waitForReader();
    harness.advance(400ms);
}

Scene displayAnswers(const QList<bool> &answers)
{
    return [answers](ScreenHarness &harness) {
        startDisplayCheck(harness);
        for (bool issue : answers)
            harness.press(issue ? QStringLiteral("answerIssue") : QStringLiteral("answerNoIssue"));
        harness.advance(400ms);
    };
}

// The last image, enlarged; the enlarged window is saved beside the row's picture.
void enlargeDisplayGradient(ScreenHarness &harness)
{
    displayAnswers(QList<bool>(6, false))(harness);
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

// Every other key of the layout (or every key), moved and clicked; with every
// key, also the other trackpad actions.
Scene inputTest(int keyStep, bool finished)
{
    return [=](ScreenHarness &harness) {
        InputDiagnosticViewModel *model = startInputTest(harness);
        for (int i = 0; i < allTestKeys().size(); i += keyStep)
            model->recordKeyCode(allTestKeys().at(i).code);
        model->markPointerMoved();
        model->markPrimaryClick();
        if (keyStep == 1) {
            model->markSecondaryClick();
            model->markScrolled();
            model->markMagnified();
        }
        if (finished)
            harness.press(QStringLiteral("finishInputButton"));
        harness.advance(400ms);
    };
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

void untilPhase(ScreenHarness &harness, USBCheckViewModel &flow, const char *phase, bool reached)
{
    QVERIFY(harness.advanceUntil([&flow, phase, reached] { return (flow.phaseName() == phase) == reached; }));
}

void toPortTest(ScreenHarness &harness, USBCheckViewModel &flow)
{
    untilPhase(harness, flow, "portPreparation", true);
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

// On the Pro, in the port test: the charger out, then plug (if any), until status.
Scene usbPort(void (*plug)(ScriptedUSBHardware &), const char *status)
{
    return usbScene(USBMachines::appleSiliconPro, [plug, status](auto &harness, auto &flow, auto &hardware) {
        toPortTest(harness, flow);
        hardware.unplug();
        untilStatus(harness, flow, "waitingForConnection");
        if (plug)
            plug(hardware);
        untilStatus(harness, flow, status);
    });
}

void plugIntoPort1(ScriptedUSBHardware &hardware)
{
    hardware.plugInto(USBMachines::portId(1));
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

Scene storage(FakeStorageDevice::Setup (*make)())
{
    return [make](ScreenHarness &harness) { StorageScenes::finish(harness, make()); };
}

// Held while measuring; the needle swings in real time.
Scene storageHeld(qint64 bytes)
{
    return [bytes](ScreenHarness &harness) {
        StorageScenes::hold(harness, bytes);
        QTest::qWait(700);
    };
}

} // namespace

void Tour::render_data()
{
    QTest::addColumn<SimulatedMachine>("machine");
    QTest::addColumn<Scene>("scene");
    const auto row = [](const char *name, const SimulatedMachine &machine, const Scene &scene) {
        QTest::newRow(name) << machine << scene;
    };
    const SimulatedMachine air = BatteryMachines::healthyAir();
    const SimulatedMachine pro = BatteryMachines::agingPro();
    const SimulatedMachine desktop = BatteryMachines::desktop();

    row("01-catalogue", air, [](ScreenHarness &) {});
    row("02-battery-checking", air, [](ScreenHarness &harness) {
        startBattery(harness);
        harness.advance(600ms);
    });
    row("03-battery-good-air", air, finishBattery);
    row("04-battery-soon-pro", pro, finishBattery);
    row("05-battery-replace-old-pro", BatteryMachines::wornOutPro(), finishBattery);
    row("06-battery-unavailable", BatteryMachines::sparseAir(), finishBattery);
    row("07-battery-error-desktop", desktop, finishBattery);
    row("08-legal-sheet", air, [](ScreenHarness &harness) { harness.press(QStringLiteral("topBarInfoButton")); });
    row("09-legal-sheet-imprint", air, [](ScreenHarness &harness) {
        harness.press(QStringLiteral("sidebarLegalButton"));
        QQuickItem *content = harness.find(QStringLiteral("legalContent"));
        QVERIFY(content);
        QTest::qWait(200);
        content->setProperty("contentY", content->property("contentHeight").toReal() - content->height());
    });
    row("11-system-checking", SystemMachines::coolAir(), pressed("system", 1300ms));
    row("12-system-cool-air", SystemMachines::coolAir(), finished("system"));
    row("13-system-cleaning-pro", SystemMachines::overheatedPro(), finished("system"));
    row("14-system-cleaning-pro-lists", SystemMachines::overheatedPro(), openSystemLists);
    row("15-system-without-smc", SystemMachines::withoutSmc(), finished("system"));
    row("16-system-without-smc-lists", SystemMachines::withoutSmc(), openSystemLists);
    row("17-battery-markup", SystemMachines::markup(), finishBattery);
    row("18-system-markup-lists", SystemMachines::markup(), openSystemLists);
    row("20-power-start", PowerMachines::chargingPro(), startSection("power"));
    row("21-power-checking", PowerMachines::chargingPro(), pressed("power", 600ms));
    row("22-power-good", PowerMachines::chargingPro(), finished("power"));
    row("23-power-notice", PowerMachines::fullAir(), finished("power"));
    row("24-power-problem", PowerMachines::stalledAir(), finished("power"));
    row("25-power-unavailable", PowerMachines::unpluggedPro(), finished("power"));
    row("26-power-error", desktop, finished("power"));
    row("30-fans-start", FanMachines::twoFanPro(), startSection("fans"));
    row("31-fans-checking", FanMachines::twoFanPro(), holdFanCheck);
    row("32-fans-good-pro", FanMachines::twoFanPro(), finished("fans"));
    row("33-fans-notice-pro", FanMachines::hotTwoFanPro(), finished("fans"));
    row("34-fans-problem-pro", FanMachines::stalledTwoFanPro(), finished("fans"));
    row("35-fans-unavailable-air", FanMachines::fanlessAir(), finished("fans"));
    row("36-fans-good-desktop", FanMachines::desktop(), finished("fans"));
    row("37-fans-nothing-readable", desktop, finished("fans"));
    row("50-speakers-start", air, [](ScreenHarness &harness) {
        SpeakerScenes::open(harness, BatteryMachines::healthyAir());
        SpeakerScenes::flow(harness).reset();
        harness.advance(100ms);
    });
    row("51-speakers-right-playing", air, speakers(6500ms));
    row("52-speakers-right-asking", air, speakers(13600ms));
    row("53-speakers-left-preparing", air, speakers(13600ms, 200ms));
    row("54-speakers-no-output", air, [](ScreenHarness &harness) {
        FakeSpeakerOutput *output = SpeakerScenes::useFakeOutput(harness, BatteryMachines::healthyAir());
        output->channels.reset();
        output->startFailure = QStringLiteral("Es wurde kein Audio-Ausgabegerät gefunden.");
        harness.press(QStringLiteral("moduleCard_speakers"));
        SpeakerScenes::play(harness, 100ms);
    });
    row("55-speakers-mono-output", air, [](ScreenHarness &harness) {
        SpeakerScenes::useFakeOutput(harness, BatteryMachines::healthyAir())->channels = 1;
        harness.press(QStringLiteral("moduleCard_speakers"));
        SpeakerScenes::play(harness, 100ms);
    });
    row("56-speakers-evaluating", air, speakers(13600ms, 14000ms, 1100ms));
    row("57-speakers-result-good", air, speakerResult(air, SpeakerAssessment::Okay, SpeakerAssessment::Okay));
    row("58-speakers-result-issue-pro", pro,
        speakerResult(pro, SpeakerAssessment::AudioIssue, SpeakerAssessment::Okay));
    SimulatedMachine unknown = desktop;
    unknown.hwModel.reset();
    row("59-speakers-result-silent-unknown", desktop,
        speakerResult(unknown, SpeakerAssessment::Okay, SpeakerAssessment::Silent));
    row("70-media-start", withMedia({.camera = true}), [](ScreenHarness &harness) {
        pressed("media", 400ms)(harness);
        harness.shell().mediaModel()->reset();
        harness.advance(400ms);
    });
    // Video is drawn only on a real window system: the tour_camera test renders this one under Xvfb.
    row("71-media-camera-and-level", withMedia({.camera = true}), [](ScreenHarness &harness) {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QSKIP("video needs a real window system");
        pressed("media", 400ms)(harness);
        auto *devices = harness.shell().mediaModel()->findChild<FakeMediaCapture *>();
        devices->showFrame(cameraPicture());
        emit devices->levelMeasured(0.62);
        harness.press(QStringLiteral("cameraGoodAnswer"));
        harness.advance(200ms);
    });
    row("72-media-no-camera-no-microphone",
        withMedia({.microphoneFailure = QStringLiteral("Es wurde kein Mikrofon gefunden.")}), pressed("media", 400ms));
    row("73-media-access-refused", withMedia({.camera = true, .cameraAllowed = false, .microphoneAllowed = false}),
        pressed("media", 400ms));
    row("74-media-good", withMedia({.camera = true}), mediaAnswers("cameraGoodAnswer", "microphoneGoodAnswer"));
    row("75-media-problem", withMedia({.camera = true}), mediaAnswers("cameraGoodAnswer", "microphoneBadAnswer"));
    row("60-display-start", air, [](ScreenHarness &harness) {
        startDisplayCheck(harness);
        harness.shell().displayModel()->reset();
        harness.advance(400ms);
    });
    row("61-display-first-image", air, startDisplayCheck);
    row("62-display-gradient-enlarged", air, enlargeDisplayGradient);
    row("63-display-problem", pro, displayAnswers({true, false, false, false, false, true, false}));
    row("64-display-good", air, displayAnswers(QList<bool>(7, false)));
    row("65-input-start", air, [](ScreenHarness &harness) {
        startInputTest(harness)->reset();
        harness.advance(400ms);
    });
    row("66-input-testing", air, [](ScreenHarness &harness) { startInputTest(harness); });
    row("67-input-half-pressed", air, inputTest(2, false));
    row("68-input-notice", pro, [](ScreenHarness &harness) {
        inputTest(2, false)(harness);
        harness.press(QStringLiteral("finishInputButton"));
        harness.advance(400ms);
    });
    row("69-input-good", air, inputTest(1, true));
    row("40-usbc-intro", air, usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &) {
            harness.advance(1600ms);
            flow.reset();
        }));
    row("41-usbc-controller-scan", air, usbScene(USBMachines::appleSiliconPro, [](auto &, auto &, auto &) {}));
    const UsbAct scanned = [](auto &harness, auto &flow, auto &) {
        untilPhase(harness, flow, "controllerScan", false);
    };
    row("42-usbc-controller-failure", air, usbScene(USBMachines::appleSiliconProMissingPort, scanned));
    row("43-usbc-preparation-pro", air, usbScene(USBMachines::appleSiliconPro, scanned));
    row("43b-usbc-preparation-unknown", air, usbScene(USBMachines::unknownMachine, scanned));
    row("44-usbc-waiting-for-disconnect", air,
        usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &) { toPortTest(harness, flow); }));
    row("44b-usbc-countdown", air,
        usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &hardware) {
            toPortTest(harness, flow);
            hardware.unplug();
            untilStatus(harness, flow, "waitingForConnection");
            harness.advance(3100ms);
        }));
    row("45-usbc-checking", air, usbPort(plugIntoPort1, "checking"));
    row("45b-usbc-success", air, usbPort(plugIntoPort1, "success"));
    row("46-usbc-already-tested", air,
        usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &hardware) {
            toPortTest(harness, flow);
            usbReplug(harness, flow, hardware, 1);
            hardware.unplug();
            untilStatus(harness, flow, "waitingForConnection");
            hardware.plugInto(USBMachines::portId(1));
            untilStatus(harness, flow, "alreadyTested");
        }));
    row("46b-usbc-wrong-power-source", air,
        usbPort([](ScriptedUSBHardware &hardware) { hardware.plugElsewhere(); }, "wrongPowerSource"));
    row("47-usbc-timed-out", air, usbPort(nullptr, "timedOut"));
    row("48-usbc-evaluating", air,
        usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &hardware) {
            usbTwoPassOneFails(harness, flow, hardware);
            QVERIFY(harness.advanceUntil([&flow] { return flow.evaluationProgress() >= 0.3; }));
        }));
    row("49-usbc-result-one-failed", air,
        usbScene(USBMachines::appleSiliconPro, [](auto &harness, auto &flow, auto &hardware) {
            usbTwoPassOneFails(harness, flow, hardware);
            untilPhase(harness, flow, "result", true);
        }));
    row("49b-usbc-result-intel", air, usbScene(USBMachines::intelPro, [](auto &harness, auto &flow, auto &hardware) {
            toPortTest(harness, flow);
            for (int port = 0; port < 4; ++port) {
                hardware.unplug();
                untilStatus(harness, flow, "waitingForConnection");
                hardware.plugElsewhere(96);
                untilStatus(harness, flow, "success");
                harness.advance(900ms);
            }
            untilPhase(harness, flow, "result", true);
        }));
    row("80-storage-start", air, [](ScreenHarness &harness) {
        StorageScenes::finish(harness, StorageMachines::roomyVerified());
        harness.shell().storageModel()->reset();
        harness.advance(400ms);
    });
    row("81-storage-measuring-sweep", air, storageHeld(0));
    row("82-storage-measuring-speed", air, storageHeld(qint64(32) << 20));
    row("83-storage-good", air, storage(StorageMachines::roomyVerified));
    row("84-storage-notice", air, storage(StorageMachines::tightVolume));
    row("85-storage-problem-full", air, storage(StorageMachines::nearlyFull));
    row("86-storage-problem-smart", air, storage(StorageMachines::failingDrive));
    row("87-storage-error", air, storage(StorageMachines::fullVolume));
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
