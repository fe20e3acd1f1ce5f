#include "machine/RepairPages.h"
#include "support/ManualClock.h"
#include "support/USBMachines.h"
#include "usbc/USBCheckViewModel.h"

#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

using namespace std::chrono_literals;
using Phase = USBCheckViewModel::Phase;
using Status = USBCheckViewModel::PortTestStatus;
using State = USBPortTestResult::State;

namespace {

// One check on a simulated Mac in virtual time; every read hands its value
// over before the clock moves on.
struct Run
{
    explicit Run(USBMachine machine)
        : mac(std::move(machine))
        , model(mac.platform, clock, [this] { return clock.now(); })
    {
        QObject::connect(&model, &USBCheckViewModel::portTestStatusChanged,
                         [this] { statuses.append(model.portTestStatus()); });
    }

    void advance(std::chrono::milliseconds duration)
    {
        for (auto passed = 0ms; passed < duration; passed += 10ms) {
            clock.advance(std::min(10ms, duration - passed));
            settle();
        }
    }

    static void settle()
    {
        for (int round = 0; round < 3; ++round) {
            QThreadPool::globalInstance()->waitForDone();
            QCoreApplication::processEvents();
        }
    }

    void startTesting()
    {
        model.start();
        advance(1500ms);
        QCOMPARE(model.phase(), Phase::portPreparation);
        model.startPortTests();
        settle();
    }

    // The cable comes out and, after a while, goes into the port.
    void replug(quint64 portId, std::chrono::milliseconds pulledFor = 2s)
    {
        mac.hardware->unplug();
        advance(pulledFor);
        mac.hardware->plugInto(portId);
        advance(1300ms);
    }

    USBMachine mac;
    ManualClock clock;
    USBCheckViewModel model;
    QList<Status> statuses;
};

QList<State> states(const USBCheckViewModel &model)
{
    QList<State> found;
    for (const USBPortTestResult &result : model.portResults())
        found.append(result.state);
    return found;
}

} // namespace

class USBFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void controllerScanIsPaced()
    {
        Run run(USBMachines::appleSiliconPro());
        QCOMPARE(run.model.phase(), Phase::intro);
        run.model.start();
        QCOMPARE(run.model.phase(), Phase::controllerScan);
        QCOMPARE(run.model.sidebarStep(), 2);
        run.advance(640ms);
        QVERIFY(!run.model.hasReport());
        run.advance(800ms);
        QVERIFY(run.model.hasReport());
        QCOMPARE(run.model.phase(), Phase::controllerScan);
        run.advance(60ms);
        QCOMPARE(run.model.phase(), Phase::portPreparation);
    }

    void missingControllerEndsOnFailure()
    {
        Run run(USBMachines::appleSiliconProMissingPort());
        run.model.start();
        run.advance(1500ms);
        QCOMPARE(run.model.phase(), Phase::controllerFailure);
        run.model.startPortTests();
        QCOMPARE(run.model.phase(), Phase::controllerFailure);
    }

    // Unplug, plug into port 1, replug port 1, then ports 2 and 3.
    void threePortsEndToEnd()
    {
        Run run(USBMachines::appleSiliconPro());
        run.startTesting();
        QCOMPARE(run.model.phase(), Phase::portTesting);
        run.advance(2s);
        QCOMPARE(run.model.portTestStatus(), Status::waitingForDisconnect);
        QCOMPARE(run.model.nextOrdinal(), 1);

        run.mac.hardware->unplug();
        run.advance(600ms);
        QCOMPARE(run.model.portTestStatus(), Status::waitingForConnection);
        QCOMPARE(run.model.secondsRemaining(), 25);

        run.mac.hardware->plugInto(USBMachines::portId(1));
        run.advance(600ms);
        QCOMPARE(run.model.portTestStatus(), Status::checking);
        run.advance(700ms);
        QCOMPARE(run.model.portTestStatus(), Status::success);
        QCOMPARE(states(run.model), QList {State::passed});
        const USBPortTestResult first = run.model.portResults().constFirst();
        QCOMPARE(first.ordinal, 1);
        QCOMPARE(first.controllerID, USBMachines::portId(1));
        QCOMPARE(first.adapterWatts, 96);
        QCOMPARE(first.note, QStringLiteral("USB-C Power Delivery wurde mit einem 96-W-Netzteil erkannt."));
        run.advance(900ms);
        QCOMPARE(run.model.portTestStatus(), Status::waitingForDisconnect);
        QCOMPARE(run.model.nextOrdinal(), 2);

        run.replug(USBMachines::portId(1));
        QCOMPARE(run.model.portTestStatus(), Status::alreadyTested);
        run.advance(3s);
        QCOMPARE(run.model.portResults().size(), 1);

        run.replug(USBMachines::portId(2));
        QCOMPARE(run.model.portResults().size(), 2);
        QCOMPARE(run.model.portResults().last().controllerID, USBMachines::portId(2));
        run.advance(900ms);
        run.replug(USBMachines::portId(3));
        QCOMPARE(run.model.nextOrdinal(), 3);
        run.advance(900ms);
        QCOMPARE(run.model.phase(), Phase::evaluating);
        QCOMPARE(run.model.sidebarStep(), 3);
        QCOMPARE(states(run.model), (QList {State::passed, State::passed, State::passed}));
        QCOMPARE(run.model.failedCount(), 0);
    }

    void evaluationTakesTwentySteps()
    {
        Run run(USBMachines::appleSiliconPro());
        run.startTesting();
        QSignalSpy progress(&run.model, &USBCheckViewModel::evaluationProgressChanged);
        for (int port = 1; port <= 3; ++port) {
            run.mac.hardware->unplug();
            run.advance(600ms);
            run.model.markPortDefective();
        }
        QCOMPARE(run.model.phase(), Phase::evaluating);
        QCOMPARE(states(run.model), (QList {State::failed, State::failed, State::failed}));
        QCOMPARE(run.model.portResults().last().ordinal, 3);
        run.advance(80ms + 19 * 80ms);
        QCOMPARE(run.model.evaluationProgress(), 1.0);
        QCOMPARE(progress.count(), 20);
        run.advance(340ms);
        QCOMPARE(run.model.phase(), Phase::evaluating);
        run.advance(10ms);
        QCOMPARE(run.model.phase(), Phase::result);
        QCOMPARE(run.model.sidebarStep(), 4);
        QCOMPARE(run.model.repairPage(), sitePage("/macbook-pro-usb-c-reparatur/"));
    }

    void magSafeChargeIsNoPort()
    {
        Run run(USBMachines::appleSiliconPro());
        run.startTesting();
        run.mac.hardware->unplug();
        run.advance(600ms);
        run.mac.hardware->plugElsewhere();
        run.advance(3s);
        // Each pass checks again while the cable stays there.
        QVERIFY(run.statuses.count(Status::wrongPowerSource) >= 2);
        QVERIFY(run.model.portResults().isEmpty());
    }

    // Intel: no port controllers, every charge counts, placed nowhere.
    void intelRecordsLimitedResults()
    {
        Run run(USBMachines::intelPro());
        run.startTesting();
        QCOMPARE(run.model.expectedPortCount(), 4);
        QCOMPARE(run.model.rawControllerCount(), 2);
        run.mac.hardware->unplug();
        run.advance(600ms);
        run.mac.hardware->plugElsewhere(std::nullopt);
        run.advance(1300ms);
        QCOMPARE(states(run.model), QList {State::limited});
        const USBPortTestResult first = run.model.portResults().constFirst();
        QCOMPARE(first.controllerID, std::nullopt);
        QCOMPARE(first.adapterWatts, std::nullopt);
        QCOMPARE(first.note,
                 QStringLiteral("Der Ladevorgang wurde erkannt. Dieses Intel-Modell erlaubt macOS jedoch "
                                "keine eindeutige Zuordnung zum physischen Anschluss."));
        run.advance(900ms);
        QCOMPARE(run.model.nextOrdinal(), 2);
        QCOMPARE(run.model.portTestStatus(), Status::waitingForDisconnect);
    }

    void timeoutThenRetry()
    {
        Run run(USBMachines::appleSiliconPro());
        run.startTesting();
        run.mac.hardware->unplug();
        run.advance(600ms);
        QCOMPARE(run.model.secondsRemaining(), 25);
        run.advance(24500ms);
        QCOMPARE(run.model.portTestStatus(), Status::waitingForConnection);
        QCOMPARE(run.model.secondsRemaining(), 1);
        run.advance(1s);
        QCOMPARE(run.model.portTestStatus(), Status::timedOut);
        QCOMPARE(run.model.secondsRemaining(), 0);
        // The loop has ended: a charge now goes unnoticed.
        run.mac.hardware->plugInto(USBMachines::portId(2));
        run.advance(3s);
        QCOMPARE(run.model.portTestStatus(), Status::timedOut);

        run.model.beginPortTest();
        QCOMPARE(run.model.secondsRemaining(), 25);
        QCOMPARE(run.model.portTestStatus(), Status::waitingForDisconnect);
        run.replug(USBMachines::portId(2));
        QCOMPARE(states(run.model), QList {State::passed});
    }

    void leavingMidCountdownPublishesNothing()
    {
        Run run(USBMachines::appleSiliconPro());
        run.startTesting();
        run.mac.hardware->unplug();
        run.advance(3s);
        QCOMPARE(run.model.portTestStatus(), Status::waitingForConnection);

        run.model.reset();
        QCOMPARE(run.model.phase(), Phase::intro);
        QVERIFY(!run.model.hasReport());
        QCOMPARE(run.model.portTestStatus(), Status::ready);
        QSignalSpy status(&run.model, &USBCheckViewModel::portTestStatusChanged);
        QSignalSpy seconds(&run.model, &USBCheckViewModel::secondsRemainingChanged);
        QSignalSpy results(&run.model, &DiagnosticFlow::resultsChanged);
        QSignalSpy phase(&run.model, &DiagnosticFlow::phaseChanged);
        run.mac.hardware->plugInto(USBMachines::portId(1));
        run.advance(30s);
        QCOMPARE(status.count() + seconds.count() + results.count() + phase.count(), 0);
        QVERIFY(!run.clock.hasSleepers());
    }

    void flowOutlivedByItsReads()
    {
        USBMachine mac = USBMachines::appleSiliconPro();
        ManualClock clock;
        auto *model = new USBCheckViewModel(mac.platform, clock, [&clock] { return clock.now(); });
        model->start();
        clock.advance(700ms);
        delete model;
        for (int i = 0; i < 200; ++i) {
            clock.advance(10ms);
            Run::settle();
        }
    }

    void repairPage_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("failure");
        QTest::addColumn<QString>("path");

        const auto row = [](const char *tag, const char *model, const char *name, bool failure, const char *path) {
            QTest::newRow(tag) << QString(model) << QString(name) << failure << QString(path);
        };
        row("failure first", "MacBookAir10,1", "MacBook Air", true, "/macbook-diagnose-kostenvoranschlag/");
        row("neo", "Mac17,1", "MacBook Neo", false, "/macbook-neo-usb-c-reparatur/");
        row("air by name", "Mac14,2", "MacBook Air", false, "/macbook-air-usb-c-reparatur/");
        row("air by model", "MacBookAir9,1", "", false, "/macbook-air-usb-c-reparatur/");
        row("pro by model", "MacBookPro16,1", "", false, "/macbook-pro-usb-c-reparatur/");
        row("12-inch by model", "MacBook10,1", "", false, "/macbook-12-zoll-usb-c-anschluss-ladebuchse-reparatur/");
        row("12 in name", "Mac99,1", "MacBook (Retina, 12-inch)", false,
            "/macbook-12-zoll-usb-c-anschluss-ladebuchse-reparatur/");
        row("other", "Mac14,3", "Mac mini", false, "/macbook-diagnose-kostenvoranschlag/");
    }

    void repairPage()
    {
        QFETCH(QString, model);
        QFETCH(QString, name);
        QFETCH(bool, failure);
        QFETCH(QString, path);
        USBHardwareReport report;
        report.identity.modelIdentifier = model;
        report.identity.marketingName = name;
        report.probableControllerFailure = failure;
        QCOMPARE(usbRepairPage(report), sitePage(qPrintable(path)));
        QCOMPARE(usbRepairPage(std::nullopt), sitePage("/macbook-diagnose-kostenvoranschlag/"));
    }
};

QTEST_GUILESS_MAIN(USBFlowTest)
#include "USBFlowTest.moc"
