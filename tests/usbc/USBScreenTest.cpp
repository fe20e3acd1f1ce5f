#include "machine/RepairPages.h"
#include "support/BatteryMachines.h"
#include "support/USBMachines.h"
#include "support/qml/AddressCatcher.h"
#include "support/qml/ScreenHarness.h"
#include "usbc/USBCheckViewModel.h"

#include <QTest>

#include <functional>

using namespace std::chrono_literals;

namespace {

// The real window with the USB-C check on a simulated Mac, shown from its
// card; the preparation screen once the scan is done.
struct Screens
{
    explicit Screens(USBMachine machine)
        : mac(std::move(machine))
        , harness(BatteryMachines::healthyAir())
    {
        ManualClock &clock = harness.clock();
        model = new USBCheckViewModel(mac.platform, clock, [&clock] { return clock.now(); });
        harness.shell().registerModule(DiagnosisModule::usbC, model, QStringLiteral("USBIntegratedModuleView.qml"));
        harness.press(QStringLiteral("moduleCard_usbC"));
        QVERIFY(harness.advanceUntil([this] { return model->phaseName() != QLatin1String("controllerScan"); }));
        harness.advance(400ms);
    }

    // Reads run on other threads while virtual time goes on: wait for what
    // the check shows, not for a time.
    bool waitFor(const char *status)
    {
        return harness.advanceUntil([this, status] { return model->portTestStatusName() == QLatin1String(status); });
    }

    // The charger goes from nowhere into a port until the check has moved on.
    void charge(const std::function<void()> &plug)
    {
        mac.hardware->unplug();
        QVERIFY(waitFor("waitingForConnection"));
        plug();
        QVERIFY(waitFor("success"));
        QVERIFY(harness.advanceUntil([this] {
            return model->portTestStatusName() != QLatin1String("success") ||
                model->phaseName() != QLatin1String("portTesting");
        }));
    }

    USBMachine mac;
    ScreenHarness harness;
    USBCheckViewModel *model = nullptr;
};

} // namespace

class USBScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void preparationLine_data()
    {
        QTest::addColumn<USBMachine>("machine");
        QTest::addColumn<QString>("line");

        QTest::newRow("three ports") << USBMachines::appleSiliconPro()
                                     << "MacBook Pro · 3 USB-C Anschlusse werden nacheinander geprüft.";
        QTest::newRow("one port, model only")
            << USBMachines::unknownMachine()
            << "Unbekanntes Mac Modell · 1 USB-C Anschluss werden nacheinander geprüft.";
    }

    void preparationLine()
    {
        QFETCH(USBMachine, machine);
        QFETCH(QString, line);
        Screens screens(machine);
        QCOMPARE(screens.harness.text(QStringLiteral("usbPreparationTitle")),
                 QStringLiteral("USB-C Controller erkannt"));
        QCOMPARE(screens.harness.text(QStringLiteral("usbPreparationLine")), line);
        QCOMPARE(screens.harness.shell().currentStep(), 2);
    }

    void countdownOnlyWhileWaiting()
    {
        Screens screens(USBMachines::appleSiliconPro());
        ScreenHarness &harness = screens.harness;
        harness.press(QStringLiteral("usbStartPortTests"));
        harness.advance(600ms);
        QCOMPARE(harness.text(QStringLiteral("usbPortHeading")), QStringLiteral("USB-C Anschluss 1 von 3"));
        QCOMPARE(harness.text(QStringLiteral("usbPortTitle")), QStringLiteral("Ladekabel zuerst trennen"));
        QVERIFY(!harness.isShown(QStringLiteral("usbCountdown")));

        screens.mac.hardware->unplug();
        QVERIFY(screens.waitFor("waitingForConnection"));
        QCOMPARE(harness.text(QStringLiteral("usbPortTitle")), QStringLiteral("Ladekabel jetzt anschließen"));
        QCOMPARE(harness.text(QStringLiteral("usbCountdown")), QStringLiteral("25 s"));
        QVERIFY(!harness.isShown(QStringLiteral("usbRetryButton")));

        QVERIFY(screens.waitFor("timedOut"));
        QCOMPARE(harness.text(QStringLiteral("usbPortTitle")), QStringLiteral("Kein Ladevorgang erkannt"));
        QVERIFY(!harness.isShown(QStringLiteral("usbCountdown")));
        QVERIFY(harness.isShown(QStringLiteral("usbRetryButton")));
        harness.press(QStringLiteral("usbMarkDefectiveButton"));
        QCOMPARE(screens.model->portResults().size(), 1);
        QCOMPARE(harness.text(QStringLiteral("usbPortHeading")), QStringLiteral("USB-C Anschluss 2 von 3"));
    }

    // Two ports pass, one stays silent: the summary turns, the repair page opens.
    void resultWithAFailedPort()
    {
        AddressCatcher browser;
        Screens screens(USBMachines::appleSiliconPro());
        ScreenHarness &harness = screens.harness;
        harness.press(QStringLiteral("usbStartPortTests"));
        for (int port : {1, 2})
            screens.charge([&] { screens.mac.hardware->plugInto(USBMachines::portId(port)); });
        screens.mac.hardware->unplug();
        QVERIFY(screens.waitFor("timedOut"));
        harness.press(QStringLiteral("usbMarkDefectiveButton"));
        QVERIFY(harness.advanceUntil([&] { return screens.model->phaseName() == QLatin1String("result"); }));
        harness.advance(400ms);

        QCOMPARE(harness.shell().currentStep(), 4);
        QCOMPARE(harness.text(QStringLiteral("verdictTitle")), QStringLiteral("Mindestens ein Anschluss auffällig"));
        QCOMPARE(harness.texts(QStringLiteral("usbPortCardTitle")),
                 (QStringList {"Anschluss in Ordnung", "Anschluss in Ordnung", "Anschluss vermutlich defekt"}));
        QCOMPARE(harness.texts(QStringLiteral("usbPortCardWatts")), (QStringList {"96 W erkannt", "96 W erkannt"}));
        harness.press(QStringLiteral("usbRepairButton"));
        QCOMPARE(browser.opened, QList {sitePage("/macbook-pro-usb-c-reparatur/")});
    }

    void intelResultNeedsNoRepair()
    {
        Screens screens(USBMachines::intelPro());
        ScreenHarness &harness = screens.harness;
        harness.press(QStringLiteral("usbStartPortTests"));
        for (int port = 0; port < 4; ++port)
            screens.charge([&] { screens.mac.hardware->plugElsewhere(96); });
        QVERIFY(harness.advanceUntil([&] { return screens.model->phaseName() == QLatin1String("result"); }));
        harness.advance(400ms);
        QCOMPARE(harness.text(QStringLiteral("verdictTitle")), QStringLiteral("Alle geprüften Anschlüsse reagieren"));
        QCOMPARE(harness.texts(QStringLiteral("usbPortCardTitle")),
                 QStringList(4, QStringLiteral("Laden erkannt – Portzuordnung eingeschränkt")));
        QVERIFY(!harness.isShown(QStringLiteral("usbRepairButton")));
    }

    void failureOffersTheDiagnosisPage()
    {
        AddressCatcher browser;
        Screens screens(USBMachines::appleSiliconProMissingPort());
        QCOMPARE(screens.harness.text(QStringLiteral("usbFailureTitle")),
                 QStringLiteral("Controller nicht vollständig erreichbar"));
        screens.harness.press(QStringLiteral("usbFailureRepairButton"));
        QCOMPARE(browser.opened, QList {sitePage("/macbook-diagnose-kostenvoranschlag/")});
        screens.harness.press(QStringLiteral("usbFailureNextButton"));
        QCOMPARE(screens.harness.shell().routeName(), QStringLiteral("selection"));
    }
};

QTEST_MAIN(USBScreenTest)
#include "USBScreenTest.moc"
