#include "platform/linux/LinuxBatteryService.h"
#include "battery/BatteryEvaluation.h"
#include "machine/BatteryReader.h"
#include "machine/ThermalSampling.h"
#include "platform/linux/LinuxHardwareOverview.h"
#include "platform/linux/LinuxPowerSource.h"
#include "platform/linux/LinuxSystemControl.h"
#include "support/FakeTree.h"

#include <QTest>

namespace {

const QString supplies = QStringLiteral("sys/class/power_supply/");

// Supplies as "name:attribute=value,...;name:...".
void writeSupplies(const FakeTree &tree, const QByteArray &layout)
{
    tree.write(QStringLiteral("sys/class/power_supply/.keep"), "");
    for (const QByteArray &supply : layout.split(';')) {
        const QList<QByteArray> parts = supply.split(':');
        if (parts.size() == 2)
            tree.writeAttributes(supplies + QString::fromUtf8(parts[0]), QByteArray(parts[1]).replace(',', '\n'));
    }
}

QVariantMap propertiesOf(const FakeTree &tree)
{
    return LinuxBatteryService(tree.root())
        .properties(BatteryReader::registryKeys())
        .value_or(QVariantMap {{"none", true}});
}

} // namespace

class LinuxBatteryServiceTest : public QObject
{
    Q_OBJECT

private slots:
    // What one battery's attributes become; every key the reader asks for is compared.
    void describesTheBattery_data()
    {
        QTest::addColumn<QByteArray>("attributes");
        QTest::addColumn<QVariantMap>("expected");
        // An Intel MacBook Pro's Smart Battery in charge mode, discharging;
        // its charger is always online.
        QTest::newRow("charge mode") << QByteArray(
                                            "present=1,status=Discharging,capacity=64,charge_full_design=4563000,"
                                            "charge_full=4382000,charge_now=2804000,current_now=1532000,"
                                            "voltage_now=11800000,cycle_count=321,temp=301,model_name=bq20z451;"
                                            "ADP1:type=Mains,online=0;sbs-charger:type=Mains,online=1")
                                     << QVariantMap {{"BatteryInstalled", true},
                                                     {"DeviceName", "bq20z451"},
                                                     {"CycleCount", qint64(321)},
                                                     {"DesignCapacity", qint64(4563)},
                                                     {"NominalChargeCapacity", qint64(4382)},
                                                     {"AppleRawCurrentCapacity", qint64(2804)},
                                                     {"CurrentCapacity", qint64(64)},
                                                     {"MaxCapacity", qint64(100)},
                                                     {"IsCharging", false},
                                                     {"FullyCharged", false},
                                                     {"ExternalConnected", false},
                                                     {"Voltage", qint64(11800)},
                                                     {"Amperage", qint64(-1532)},
                                                     {"Temperature", 3032.5}};
        // µWh through the design voltage; cycle_count 0 means unknown; no
        // adapter supply, so the status tells the power.
        QTest::newRow("energy mode") << QByteArray("status=Charging,energy_full_design=99000000,energy_full=57000000,"
                                                   "energy_now=28500000,voltage_min_design=11400000,"
                                                   "voltage_now=12600000,current_now=-800000,cycle_count=0,health=Good")
                                     << QVariantMap {{"BatteryInstalled", true},
                                                     {"DesignCapacity", qint64(8684)},
                                                     {"NominalChargeCapacity", qint64(5000)},
                                                     {"AppleRawCurrentCapacity", qint64(2500)},
                                                     {"IsCharging", true},
                                                     {"FullyCharged", false},
                                                     {"ExternalConnected", true},
                                                     {"Voltage", qint64(12600)},
                                                     {"Amperage", qint64(-800)},
                                                     {"Condition", "Normal"}};
        QTest::newRow("broken attributes are absent")
            << QByteArray("status=Unknown,charge_full_design=abc,charge_full=,cycle_count=12x,health=Unknown")
            << QVariantMap {{"BatteryInstalled", true}};
    }
    void describesTheBattery()
    {
        QFETCH(QByteArray, attributes);
        QFETCH(QVariantMap, expected);
        FakeTree tree;
        writeSupplies(tree, "BAT0:type=Battery," + attributes);
        QCOMPARE(propertiesOf(tree), expected);
    }

    void choosesTheInternalBattery()
    {
        FakeTree tree;
        tree.writeAttributes(supplies + "hid-mouse-battery", "type=Battery\nscope=Device\ncapacity=20");
        tree.writeAttributes(supplies + "BAT9", "type=Battery\npresent=0\ncapacity=10");
        tree.writeAttributes(supplies + "BAT0", "type=Battery\ncapacity=77");
        QCOMPARE(propertiesOf(tree).value("CurrentCapacity"), QVariant(qint64(77)));
    }

    void noBatteryMeansNoService_data()
    {
        QTest::addColumn<QByteArray>("attributes");
        QTest::newRow("mains only") << QByteArray("type=Mains\nonline=1");
        QTest::newRow("peripheral battery only") << QByteArray("type=Battery\nscope=Device");
        QTest::newRow("battery slot empty") << QByteArray("type=Battery\npresent=0");
    }
    void noBatteryMeansNoService()
    {
        QFETCH(QByteArray, attributes);
        FakeTree tree;
        tree.writeAttributes(supplies + "X", attributes);
        QVERIFY(!LinuxBatteryService(tree.root()).properties(BatteryReader::registryKeys()));
        QVERIFY(!LinuxBatteryService(tree.root() + "/missing").properties(BatteryReader::registryKeys()));
    }

    // The battery's own flag and the providing power source, from the same supplies.
    void externalPower_data()
    {
        QTest::addColumn<QByteArray>("layout");
        QTest::addColumn<QVariant>("connected");
        QTest::addColumn<ProvidingPowerSource>("source");
        const QByteArray discharging = "BAT0:type=Battery,status=Discharging;";
        const auto ac = ProvidingPowerSource::ac;
        const auto battery = ProvidingPowerSource::battery;
        const auto unknown = ProvidingPowerSource::unknown;
        QTest::newRow("always-online Smart Battery charger ignored")
            << discharging + "sbs-charger:type=Mains,online=1;ADP1:type=Mains,online=0" << QVariant(false) << battery;
        QTest::newRow("adapter online") << discharging + "ADP1:type=Mains,online=1" << QVariant(true) << ac;
        QTest::newRow("stale port controller ignored beside the SMC adapter")
            << discharging + "tps6598x-source-psy-1:type=USB,online=1;macsmc-ac:type=Mains,online=0" << QVariant(false)
            << battery;
        QTest::newRow("USB-C supply online")
            << discharging + "ucsi-source-psy-1:type=USB,online=1" << QVariant(true) << ac;
        QTest::newRow("peripheral charger ignored")
            << discharging + "dock:type=Mains,scope=Device,online=1;AC:type=Mains,online=0" << QVariant(false)
            << battery;
        QTest::newRow("no adapter, charging")
            << QByteArray("BAT0:type=Battery,status=Charging") << QVariant(true) << ac;
        QTest::newRow("no adapter, discharging") << discharging << QVariant(false) << battery;
        QTest::newRow("no adapter, status unknown")
            << QByteArray("BAT0:type=Battery,status=Unknown") << QVariant() << unknown;
        QTest::newRow("desktop") << QByteArray("ACAD:type=Mains,online=0") << QVariant() << ac;
        QTest::newRow("desktop with a wireless mouse")
            << QByteArray("hid-mouse:type=Battery,scope=Device,status=Discharging") << QVariant() << ac;
        QTest::newRow("no supplies at all") << QByteArray() << QVariant() << ac;
    }
    void externalPower()
    {
        QFETCH(QByteArray, layout);
        QFETCH(QVariant, connected);
        QFETCH(ProvidingPowerSource, source);
        FakeTree tree;
        writeSupplies(tree, layout);
        QCOMPARE(propertiesOf(tree).value("ExternalConnected"), connected);
        QCOMPARE(LinuxPowerSource(tree.root()).providingSource(), source);
        QCOMPARE(LinuxPowerSource(tree.root() + "/missing").providingSource(), ProvidingPowerSource::unknown);
    }

    // Only what the adapter itself reports; watts are never worked out from a guess.
    void adapterDetails_data()
    {
        QTest::addColumn<QByteArray>("adapter");
        QTest::addColumn<QVariant>("details");
        QTest::newRow("SMC input limit") << QByteArray("macsmc-ac:type=Mains,online=1,input_power_limit=140000000")
                                         << QVariant(QVariantMap {{"Watts", qint64(140)}});
        QTest::newRow("USB-C contract")
            << QByteArray("ucsi-source-psy-1:type=USB,online=1,voltage_now=20000000,current_now=3250000")
            << QVariant(QVariantMap {{"Watts", qint64(65)}, {"Voltage", qint64(20000)}, {"Current", qint64(3250)}});
        QTest::newRow("adapter that reports nothing")
            << QByteArray("ADP1:type=Mains,online=1") << QVariant(QVariantMap());
        QTest::newRow("offline adapter") << QByteArray("ADP1:type=Mains,online=0") << QVariant();
        QTest::newRow("always-online Smart Battery charger")
            << QByteArray("sbs-charger:type=Mains,online=1,model_name=sbs") << QVariant();
    }
    void adapterDetails()
    {
        QFETCH(QByteArray, adapter);
        QFETCH(QVariant, details);
        FakeTree tree;
        writeSupplies(tree, "BAT0:type=Battery,status=Charging;" + adapter);
        const auto properties = LinuxBatteryService(tree.root()).properties({QStringLiteral("AdapterDetails")});
        QVERIFY(properties);
        QCOMPARE(properties->value(QStringLiteral("AdapterDetails")), details);
    }

    // Tenths of a degree Celsius reach the sampling's bands as tenths of a kelvin.
    void batteryTemperature_data()
    {
        QTest::addColumn<QByteArray>("temp");
        QTest::addColumn<std::optional<double>>("celsius");
        QTest::newRow("15.0") << QByteArray("150") << std::optional<double>(15.0);
        QTest::newRow("45.0") << QByteArray("450") << std::optional<double>(45.0);
        QTest::newRow("frost") << QByteArray("-50") << std::optional<double>();
        QTest::newRow("boiling") << QByteArray("1000") << std::optional<double>();
    }
    void batteryTemperature()
    {
        QFETCH(QByteArray, temp);
        QFETCH(std::optional<double>, celsius);
        FakeTree tree;
        tree.writeAttributes(supplies + "BAT0", "type=Battery\ntemp=" + temp);
        const auto read = readBatteryTemperature(LinuxBatteryService(tree.root()));
        QCOMPARE(read.has_value(), celsius.has_value());
        if (read)
            QCOMPARE(*read, *celsius);
    }

    // Faults are never rated good; temperature states and unknown words are no condition.
    void batteryHealth_data()
    {
        QTest::addColumn<QByteArray>("health");
        QTest::addColumn<std::optional<QString>>("condition");
        QTest::addColumn<BatteryVerdict>("verdict");
        const auto none = std::optional<QString>();
        const auto normal = std::optional<QString>(QStringLiteral("Normal"));
        const auto service = std::optional<QString>(QStringLiteral("Service empfohlen"));
        const auto replaceNow = std::optional<QString>(QStringLiteral("Jetzt austauschen"));
        const auto good = BatteryVerdict::good;
        const auto replace = BatteryVerdict::replace;
        const auto unrated = BatteryVerdict::unavailable;
        QTest::newRow("Good") << QByteArray("Good") << normal << good;
        QTest::newRow("Dead") << QByteArray("Dead") << replaceNow << replace;
        for (const char *fault : {"Over voltage", "Under voltage", "Unspecified failure", "Watchdog timer expire",
                                  "Safety timer expire", "Over current", "Blown fuse", "Cell imbalance"})
            QTest::newRow(fault) << QByteArray(fault) << service << replace;
        for (const char *passing : {"Unknown", "Overheat", "Hot", "Warm", "Cool", "Cold", "Calibration required",
                                    "No battery", "Something new"})
            QTest::newRow(passing) << QByteArray(passing) << none << unrated;
    }
    void batteryHealth()
    {
        QFETCH(QByteArray, health);
        QFETCH(std::optional<QString>, condition);
        QFETCH(BatteryVerdict, verdict);
        FakeTree tree;
        tree.write(QStringLiteral("sys/class/dmi/id/product_name"), "MacBookPro14,1\n");
        tree.writeAttributes(supplies + "BAT0", "type=Battery\nhealth=" + health);
        Platform platform {std::make_shared<LinuxBatteryService>(tree.root()),
                           std::make_shared<LinuxHardwareOverview>(tree.root()),
                           std::make_shared<LinuxSystemControl>(tree.root())};
        const BatterySnapshot snapshot = BatteryReader(platform).read();
        QCOMPARE(snapshot.macOSCondition, condition);
        QCOMPARE(evaluate(snapshot).verdict, verdict);
    }
};

QTEST_GUILESS_MAIN(LinuxBatteryServiceTest)
#include "LinuxBatteryServiceTest.moc"
