#include "machine/RepairPages.h"
#include "power/PowerEvaluation.h"
#include "power/PowerResult.h"
#include "power/PowerSnapshotReader.h"

#include <QTest>

Q_DECLARE_METATYPE(PowerSnapshot)
Q_DECLARE_METATYPE(MacBookFamily)

namespace {

const QVariant none;

QVariantMap adapter(const QVariantMap &details)
{
    return {{QStringLiteral("AdapterDetails"), details}};
}

PowerSnapshot plugged(bool charging, std::optional<qint64> percent, std::optional<qint64> watts = std::nullopt)
{
    PowerSnapshot snapshot;
    snapshot.externalConnected = true;
    snapshot.isCharging = charging;
    snapshot.chargePercent = percent;
    snapshot.adapterWatts = watts;
    return snapshot;
}

std::optional<qint64> optionalInteger(const QVariant &value)
{
    return value.isValid() ? std::optional(value.toLongLong()) : std::nullopt;
}

} // namespace

class PowerRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void snapshotMergesReaderAndRegistry_data()
    {
        QTest::addColumn<QVariant>("readerExternal");
        QTest::addColumn<QVariantMap>("registry");
        QTest::addColumn<bool>("external");
        QTest::addColumn<QVariant>("watts");
        QTest::addColumn<QVariant>("name");

        const auto key = [](const char *name, const QVariant &value) {
            return QVariantMap {{QLatin1String(name), value}};
        };
        QTest::newRow("reader's flag wins")
            << QVariant(false) << key("ExternalConnected", true) << false << none << none;
        QTest::newRow("raw flag when the plain one is absent")
            << none << key("AppleRawExternalConnected", true) << true << none << none;
        QTest::newRow("plain flag before the raw one")
            << none
            << QVariantMap {{QStringLiteral("ExternalConnected"), qint64(0)},
                            {QStringLiteral("AppleRawExternalConnected"), true}}
            << false << none << none;
        QTest::newRow("a text is no flag")
            << none << key("ExternalConnected", QStringLiteral("Yes")) << false << none << none;
        QTest::newRow("nothing known") << none << QVariantMap() << false << none << none;
        QTest::newRow("plain watts") << none << adapter(key("Watts", qint64(94))) << false << QVariant(94) << none;
        QTest::newRow("watts with a unit are none")
            << none << adapter(key("Watts", QStringLiteral("65W"))) << false << none << none;
        QTest::newRow("signed texts count")
            << none << adapter(key("Watts", QStringLiteral("+65"))) << false << QVariant(65) << none;
        QTest::newRow("a fraction in text is none")
            << none << adapter(key("Watts", QStringLiteral("6.5"))) << false << none << none;
        QTest::newRow("a number drops its fraction")
            << none << adapter(key("Wattage", 60.9)) << false << QVariant(60) << none;
        QTest::newRow("later watts key") << none
                                         << adapter({{QStringLiteral("Watts"), QStringLiteral("")},
                                                     {QStringLiteral("AdapterWattage"), qint64(-3)}})
                                         << false << QVariant(-3) << none;
        QTest::newRow("charger data when the details are no dictionary")
            << none
            << QVariantMap {{QStringLiteral("AdapterDetails"), QVariantList()},
                            {QStringLiteral("ChargerData"), key("Watts", qint64(30))}}
            << false << QVariant(30) << none;
        QTest::newRow("first non-empty name")
            << none
            << adapter({{QStringLiteral("Description"), QString()},
                        {QStringLiteral("Name"), QStringLiteral("96W USB-C Power Adapter")},
                        {QStringLiteral("Manufacturer"), QStringLiteral("Apple Inc.")}})
            << false << none << QVariant(QStringLiteral("96W USB-C Power Adapter"));
    }

    void snapshotMergesReaderAndRegistry()
    {
        QFETCH(QVariant, readerExternal);
        QFETCH(QVariantMap, registry);
        QFETCH(bool, external);
        QFETCH(QVariant, watts);
        QFETCH(QVariant, name);

        BatterySnapshot battery;
        if (readerExternal.isValid())
            battery.externalPowerConnected = readerExternal.toBool();
        const PowerSnapshot snapshot = powerSnapshot(battery, registry);
        QCOMPARE(snapshot.externalConnected, external);
        QCOMPARE(snapshot.adapterWatts, optionalInteger(watts));
        QCOMPARE(snapshot.adapterName, name.isValid() ? std::optional(name.toString()) : std::nullopt);
    }

    void evaluation_data()
    {
        QTest::addColumn<PowerSnapshot>("snapshot");
        QTest::addColumn<CustomerVerdict>("verdict");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("details");

        using enum CustomerVerdict;
        const QMap<CustomerVerdict, QString> titles {
            {Unavailable, QStringLiteral("Kein Ladegerät erkannt")},
            {Good, QStringLiteral("Stromversorgung funktioniert")},
            {Notice, QStringLiteral("Ladegerät erkannt – aktuell keine Ladung")},
            {Problem, QStringLiteral("Ladefunktion auffällig")}};
        const auto row = [&titles](const char *tag, const PowerSnapshot &snapshot, CustomerVerdict verdict,
                                   const QStringList &details) {
            QTest::newRow(tag) << snapshot << verdict << titles[verdict] << details;
        };
        const QStringList stalled {"Externe Stromversorgung erkannt", "Akku wird aktuell nicht geladen"};
        row("unplugged", PowerSnapshot(), Unavailable, {"Kein externer Stromanschluss wurde von macOS gemeldet."});
        row("charging with watts", plugged(true, 40, 94), Good,
            {"Das MacBook meldet einen aktiven Ladevorgang.", "Das erkannte Netzteil meldet bis zu 94 W."});
        row("charging without watts", plugged(true, std::nullopt), Good,
            {"Das MacBook meldet einen aktiven Ladevorgang."});
        row("paused at 95 %", plugged(false, 95), Notice,
            {"Ladestand: 95 %", "Externe Stromversorgung ist verbunden."});
        row("stalled at 94 %", plugged(false, 94), Problem, stalled);
        row("stalled, charge unknown", plugged(false, std::nullopt), Problem, stalled);
    }

    void evaluation()
    {
        QFETCH(PowerSnapshot, snapshot);
        QFETCH(CustomerVerdict, verdict);
        QFETCH(QString, title);
        QFETCH(QStringList, details);

        const PowerEvaluation evaluation = evaluate(snapshot);
        QCOMPARE(evaluation.verdict, verdict);
        QCOMPARE(evaluation.title, title);
        QCOMPARE(evaluation.details, details);
        QVERIFY(!evaluation.explanation.isEmpty());
    }

    void resultShowsPillsAndRepairPages_data()
    {
        QTest::addColumn<PowerSnapshot>("snapshot");
        QTest::addColumn<MacBookFamily>("family");
        QTest::addColumn<QStringList>("pills");
        QTest::addColumn<QUrl>("usbCPage");

        QTest::newRow("charging") << plugged(true, 62, 94) << MacBookFamily::pro
                                  << QStringList {"94 W", "62 %", "Erkannt"} << QUrl();
        QTest::newRow("unplugged, no watts")
            << PowerSnapshot() << MacBookFamily::pro << QStringList {QString(), "–", "Nein"} << QUrl();
        QTest::newRow("stalled Air") << plugged(false, 41) << MacBookFamily::air
                                     << QStringList {QString(), "41 %", "Erkannt"} << usbCRepairURL(MacBookFamily::air);
    }

    void resultShowsPillsAndRepairPages()
    {
        QFETCH(PowerSnapshot, snapshot);
        QFETCH(MacBookFamily, family);
        QFETCH(QStringList, pills);
        QFETCH(QUrl, usbCPage);

        const PowerResult result = powerResult(snapshot, evaluate(snapshot), family);
        QCOMPARE((QStringList {result.adapterWatts, result.charge, result.source}), pills);
        QCOMPARE(result.usbCRepairPage, usbCPage);
        QCOMPARE(result.offersRepair(), !usbCPage.isEmpty());
        QCOMPARE(result.magSafeRepairPage, usbCPage.isEmpty() ? QUrl() : RepairPages::magSafe());
    }
};

QTEST_GUILESS_MAIN(PowerRulesTest)
#include "PowerRulesTest.moc"
