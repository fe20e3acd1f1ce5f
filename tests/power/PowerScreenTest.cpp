#include "machine/RepairPages.h"
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
    void resultShowsTheVerdictAndItsValues_data()
    {
        QTest::addColumn<SimulatedMachine>("machine");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("details");
        QTest::addColumn<QStringList>("pills");
        QTest::addColumn<bool>("repairLinks");

        QTest::newRow("charging") << PowerMachines::chargingPro() << QStringLiteral("Stromversorgung funktioniert")
                                  << QStringList {"Das MacBook meldet einen aktiven Ladevorgang.",
                                                  "Das erkannte Netzteil meldet bis zu 94 W."}
                                  << QStringList {"94 W", "62 %", "Erkannt"} << false;
        QTest::newRow("stalled") << PowerMachines::stalledAir() << QStringLiteral("Ladefunktion auffällig")
                                 << QStringList {"Externe Stromversorgung erkannt", "Akku wird aktuell nicht geladen"}
                                 << QStringList {"27 W", "41 %", "Erkannt"} << true;
        QTest::newRow("unplugged") << PowerMachines::unpluggedPro() << QStringLiteral("Kein Ladegerät erkannt")
                                   << QStringList {"Kein externer Stromanschluss wurde von macOS gemeldet."}
                                   << QStringList {"71 %", "Nein"} << false;
    }

    void resultShowsTheVerdictAndItsValues()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(QString, title);
        QFETCH(QStringList, details);
        QFETCH(QStringList, pills);
        QFETCH(bool, repairLinks);

        ScreenHarness harness(machine);
        finishCheck(harness);
        QCOMPARE(harness.text(QStringLiteral("headerEyebrow")), QStringLiteral("ERGEBNIS"));
        QCOMPARE(harness.text(QStringLiteral("resultCardTitle")), title);
        QCOMPARE(harness.texts(QStringLiteral("resultCardDetail")), details);
        QCOMPARE(harness.texts(QStringLiteral("pillValue")), pills);
        QCOMPARE(harness.isShown(QStringLiteral("repairHint")), repairLinks);
        QCOMPARE(harness.isShown(QStringLiteral("usbCRepairLink")), repairLinks);
        QCOMPARE(harness.isShown(QStringLiteral("magSafeRepairLink")), repairLinks);
        QVERIFY(harness.isShown(QStringLiteral("moduleRetryButton")));

        harness.press(QStringLiteral("moduleBackButton"));
        QCOMPARE(harness.shell().routeName(), QStringLiteral("selection"));
    }

    void repairLinkOpensTheFamilysPage()
    {
        AddressCatcher browser;
        ScreenHarness harness(PowerMachines::stalledAir());
        finishCheck(harness);
        harness.press(QStringLiteral("usbCRepairLink"));
        harness.press(QStringLiteral("magSafeRepairLink"));
        QCOMPARE(browser.opened, (QList<QUrl> {usbCRepairURL(MacBookFamily::air), RepairPages::magSafe()}));
        QCOMPARE(harness.shell().routeName(), QStringLiteral("power"));
        QCOMPARE(harness.shell().powerModel()->phaseName(), QStringLiteral("result"));
    }

    void readerFailureShowsItsSentenceAndRetries()
    {
        ScreenHarness harness(BatteryMachines::desktop());
        finishCheck(harness);
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
