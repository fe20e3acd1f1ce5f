#include "machine/RepairPages.h"
#include "power/PowerDiagnosticViewModel.h"
#include "support/BatteryMachines.h"
#include "support/PowerMachines.h"
#include "support/qml/AddressCatcher.h"
#include "support/qml/ScreenHarness.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {

void finishCheck(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_power"));
    QVERIFY(harness.advanceUntil([&harness] {
        const QString phase = harness.shell().powerModel()->phaseName();
        return phase == QLatin1String("result") || phase == QLatin1String("error");
    }));
    harness.advance(400ms);
}

} // namespace

class PowerScreenTest : public QObject
{
    Q_OBJECT

private slots:
    // The texts themselves are the rules' (power_rules); here, that the screen shows them.
    void resultShowsTheVerdictAndItsValues_data()
    {
        QTest::addColumn<SimulatedMachine>("machine");
        QTest::addColumn<bool>("repairLinks");
        QTest::newRow("charging") << PowerMachines::chargingPro() << false;
        QTest::newRow("stalled Air") << PowerMachines::stalledAir() << true;
        QTest::newRow("unplugged, no watts pill") << PowerMachines::unpluggedPro() << false;
    }

    void resultShowsTheVerdictAndItsValues()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(bool, repairLinks);

        AddressCatcher browser;
        ScreenHarness harness(machine);
        finishCheck(harness);
        const PowerResult result = qobject_cast<PowerDiagnosticViewModel *>(harness.shell().powerModel())->result();
        QCOMPARE(harness.text(QStringLiteral("headerEyebrow")), QStringLiteral("ERGEBNIS"));
        QCOMPARE(harness.text(QStringLiteral("resultCardTitle")), result.title);
        QCOMPARE(harness.texts(QStringLiteral("resultCardDetail")), result.details);
        QStringList pills {result.adapterWatts, result.charge, result.source};
        pills.removeAll(QString());
        QCOMPARE(harness.texts(QStringLiteral("pillValue")), pills);
        for (const char *link : {"repairHint", "usbCRepairLink", "magSafeRepairLink"})
            QVERIFY2(harness.isShown(QString::fromLatin1(link)) == repairLinks, link);
        QVERIFY(harness.isShown(QStringLiteral("moduleRetryButton")));
        if (repairLinks) {
            harness.press(QStringLiteral("usbCRepairLink"));
            harness.press(QStringLiteral("magSafeRepairLink"));
            QCOMPARE(browser.opened, (QList<QUrl> {usbCRepairURL(MacBookFamily::air), RepairPages::magSafe()}));
            QCOMPARE(harness.shell().routeName(), QStringLiteral("power"));
        }

        harness.press(QStringLiteral("moduleBackButton"));
        QCOMPARE(harness.shell().routeName(), QStringLiteral("selection"));
    }

    void readerFailureShowsItsSentenceAndRetries()
    {
        ScreenHarness harness(BatteryMachines::desktop());
        finishCheck(harness);
        QCOMPARE(harness.shell().currentStep(), 3);
        QCOMPARE(harness.text(QStringLiteral("headerTitle")), QStringLiteral("Prüfung nicht möglich"));
        QCOMPARE(harness.text(QStringLiteral("headerSubtitle")),
                 QStringLiteral("Keine interne MacBook Batterie wurde gefunden. Die App ist für MacBook, MacBook Air, "
                                "MacBook Pro und MacBook Neo vorgesehen."));
        harness.press(QStringLiteral("moduleRetryButton"));
        QCOMPARE(harness.shell().powerModel()->phaseName(), QStringLiteral("checking"));
        QCOMPARE(harness.text(QStringLiteral("headerTitle")), QStringLiteral("Ladefunktion wird geprüft"));
        QCOMPARE(harness.text(QStringLiteral("headerSubtitle")), QStringLiteral("Ladegerät wird gesucht …"));
    }
};

QTEST_MAIN(PowerScreenTest)
#include "PowerScreenTest.moc"
