#include "machine/ThermalSampling.h"
#include "machine/SensorCatalogue.h"
#include "platform/smc/SmcAccess.h"
#include "support/FakePlatform.h"
#include "support/FakeSmc.h"
#include "support/FixedThermalState.h"
#include "support/RecordingSleeper.h"
#include "support/SensorComparison.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {

Platform platformWithBattery(const QVariantMap &properties)
{
    SimulatedMachine machine;
    machine.batteryProperties = properties;
    return makeFakePlatform(machine);
}

// Each round sees the next key table; an absent one is an SMC that cannot be opened.
struct ScriptedRounds
{
    Platform platform;
    QList<std::optional<QList<SmcKey>>> rounds;
    int round = 0;

    void useRound(int index)
    {
        auto smc = std::make_shared<FakeSmc>(rounds.value(index).value_or(QList<SmcKey>()));
        if (!rounds.value(index))
            smc->failOpen();
        platform.smcTransport = smc;
    }
};

ThermalReport sampleRounds(ScriptedRounds &script, int count)
{
    script.useRound(0);
    const RecordingSleeper sleeper([&script] { script.useRound(++script.round); });
    return readThermalReport(script.platform, sleeper, count, 0.3);
}

} // namespace

class ThermalSamplingTest : public QObject
{
    Q_OBJECT

private slots:
    void batteryTemperature_data()
    {
        QTest::addColumn<QVariant>("raw");
        QTest::addColumn<double>("celsius"); // 0 for none
        QTest::newRow("tenths of kelvin") << QVariant(qint64(3031)) << 3031 / 10.0 - 273.15;
        QTest::newRow("tenths of a degree") << QVariant(qint64(305)) << 30.5;
        QTest::newRow("degrees") << QVariant(31) << 31.0;
        QTest::newRow("degrees as double") << QVariant(30.5) << 30.5;
        QTest::newRow("2000 not scaled") << QVariant(2000) << 0.0;
        QTest::newRow("4000 not scaled") << QVariant(4000) << 0.0;
        QTest::newRow("1000 not scaled") << QVariant(1000) << 0.0;
        QTest::newRow("201") << QVariant(201) << 20.1;
        QTest::newRow("zero") << QVariant(0) << 0.0;
        QTest::newRow("below zero") << QVariant(-5) << 0.0;
        QTest::newRow("text") << QVariant(QStringLiteral("305")) << 0.0;
        QTest::newRow("missing") << QVariant() << 0.0;
    }
    void batteryTemperature()
    {
        QFETCH(QVariant, raw);
        QFETCH(double, celsius);
        QVariantMap properties;
        if (raw.isValid())
            properties.insert(QStringLiteral("Temperature"), raw);
        const Platform platform = platformWithBattery(properties);
        const auto read = readBatteryTemperature(*platform.batteryService);
        QCOMPARE(read.has_value(), celsius != 0.0);
        if (read)
            QCOMPARE(*read, celsius);
        QVERIFY(!readBatteryTemperature(*makeFakePlatform({}).batteryService));
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<ThermalSensorCategory>("category");
        QTest::addColumn<QString>("name");
        using C = ThermalSensorCategory;
        QTest::newRow("BATT") << "BATT" << C::battery << "Batterie";
        QTest::newRow("TB0T") << "TB0T" << C::battery << "Batterie";
        QTest::newRow("TB1T") << "TB1T" << C::battery << "Batteriesensor TB1T";
        QTest::newRow("Tb0T") << "Tb0T" << C::battery << "Batteriesensor Tb0T";
        QTest::newRow("batt") << "batt" << C::other << "Temperatursensor batt";
        QTest::newRow("TC0P") << "TC0P" << C::cpu << "CPU Nähe";
        QTest::newRow("TC0D") << "TC0D" << C::cpu << "CPU Die";
        QTest::newRow("TC0H") << "TC0H" << C::cpu << "CPU Kühlkörper";
        QTest::newRow("Tp01") << "Tp01" << C::cpu << "CPU / SoC Sensor Tp01";
        QTest::newRow("Te05") << "Te05" << C::cpu << "CPU / SoC Sensor Te05";
        QTest::newRow("Tf04") << "Tf04" << C::cpu << "CPU / SoC Sensor Tf04";
        QTest::newRow("TG0P") << "TG0P" << C::gpu << "GPU Nähe";
        QTest::newRow("TG0D") << "TG0D" << C::gpu << "GPU Die";
        QTest::newRow("Tg0f") << "Tg0f" << C::gpu << "GPU Sensor Tg0f";
        QTest::newRow("TH0P") << "TH0P" << C::storage << "Massenspeicher";
        QTest::newRow("TN0D") << "TN0D" << C::storage << "System / Speichercontroller";
        QTest::newRow("TH0x") << "TH0x" << C::storage << "SSD / Speicher Sensor TH0x";
        QTest::newRow("NAND inside") << "XnandY" << C::storage << "SSD / Speicher Sensor XnandY";
        QTest::newRow("TM0P") << "TM0P" << C::memory << "Arbeitsspeicher Sensor TM0P";
        QTest::newRow("Ts0S") << "Ts0S" << C::system << "Systemsensor Ts0S";
        QTest::newRow("TA0P") << "TA0P" << C::system << "Systemsensor TA0P";
        QTest::newRow("TW0P") << "TW0P" << C::other << "Temperatursensor TW0P";
    }
    void catalogue()
    {
        QFETCH(QString, key);
        QFETCH(ThermalSensorCategory, category);
        QFETCH(QString, name);
        QCOMPARE(sensorCategory(key), category);
        QCOMPARE(sensorDisplayName(key, category), name);
    }

    void rounds_data()
    {
        QTest::addColumn<int>("sampleCount");
        QTest::addColumn<double>("interval");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<QList<std::chrono::milliseconds>>("pauses");
        QTest::newRow("none") << 0 << 0.3 << 1 << QList<std::chrono::milliseconds> {};
        QTest::newRow("negative") << -4 << 0.3 << 1 << QList<std::chrono::milliseconds> {};
        QTest::newRow("one") << 1 << 0.3 << 1 << QList<std::chrono::milliseconds> {};
        QTest::newRow("fan check") << 2 << 0.25 << 2 << QList<std::chrono::milliseconds> {250ms};
        QTest::newRow("system check") << 6 << 0.3 << 6 << QList<std::chrono::milliseconds>(5, 300ms);
        QTest::newRow("too many") << 25 << 0.3 << 10 << QList<std::chrono::milliseconds>(9, 300ms);
        QTest::newRow("negative interval") << 2 << -1.0 << 2 << QList<std::chrono::milliseconds> {0ms};
    }
    void rounds()
    {
        QFETCH(int, sampleCount);
        QFETCH(double, interval);
        QFETCH(int, rounds);
        QFETCH(QList<std::chrono::milliseconds>, pauses);
        Platform platform = makeFakePlatform({});
        const auto smc = std::make_shared<FakeSmc>(QList<SmcKey> {sp78Key("TC0P", 50)});
        platform.smcTransport = smc;
        const RecordingSleeper sleeper;
        const ThermalReport report = readThermalReport(platform, sleeper, sampleCount, interval);
        QCOMPARE(smc->timesOpened(), rounds);
        QCOMPARE(smc->openConnections(), 0);
        QCOMPARE(sleeper.pauses(), pauses);
        QCOMPARE(report.sensors.value(0).sampleCount, rounds);
    }

    void averagesOverTheRoundsAKeyAppearedIn()
    {
        ScriptedRounds script {platformWithBattery({{QStringLiteral("Temperature"), 301}}), {}};
        script.rounds = {QList<SmcKey> {sp78Key("TC0P", 50), sp78Key("TG0D", 90), floatKey("Tx01", 0.5f)}, std::nullopt,
                         QList<SmcKey> {sp78Key("TC0P", 53), sp78Key("TC0D", 40), floatKey("Tx01", 0.5f)}};
        const ThermalReport report = sampleRounds(script, 3);
        using C = ThermalSensorCategory;
        const QList<TemperatureSensor> expected = {
            {"TC0P", "CPU Nähe", C::cpu, 51.5, 53, 2},
            {"TC0D", "CPU Die", C::cpu, 40, 40, 1},
            {"TG0D", "GPU Die", C::gpu, 90, 90, 1},
            {"BATT", "Batterie", C::battery, 30.1, 30.1, 3},
        };
        compareSensors(report.sensors, expected);
        QCOMPARE(report.sourceDescription, QStringLiteral("Apple SMC + macOS Thermal State"));
    }

    void sortOrder()
    {
        Platform platform = makeFakePlatform({});
        platform.smcTransport = std::make_shared<FakeSmc>(QList<SmcKey> {
            sp78Key("TW0P", 99), sp78Key("TG0P", 90), sp78Key("TC0P", 55), sp78Key("TC0D", 55), sp78Key("TC0E", 60),
            sp78Key("TA0P", 30), sp78Key("TM0P", 35), sp78Key("TH0P", 40), sp78Key("TB0T", 125)});
        QStringList keys;
        for (const TemperatureSensor &sensor : readThermalReport(platform, RecordingSleeper(), 1, 0).sensors)
            keys.append(sensor.key);
        QCOMPARE(keys, QStringList({"TC0E", "TC0D", "TC0P", "TG0P", "TB0T", "TH0P", "TM0P", "TA0P", "TW0P"}));
    }

    void sourceDescription_data()
    {
        QTest::addColumn<bool>("smcFirstRound");
        QTest::addColumn<bool>("smcSecondRound");
        QTest::addColumn<bool>("battery");
        QTest::addColumn<QString>("label");
        QTest::newRow("nothing") << false << false << false << "macOS Thermal State";
        QTest::newRow("battery only") << false << false << true << "AppleSmartBattery + macOS Thermal State";
        QTest::newRow("SMC in one round") << false << true << false << "Apple SMC + macOS Thermal State";
        QTest::newRow("SMC and battery") << true << true << true << "Apple SMC + macOS Thermal State";
    }
    void sourceDescription()
    {
        QFETCH(bool, smcFirstRound);
        QFETCH(bool, smcSecondRound);
        QFETCH(bool, battery);
        QFETCH(QString, label);
        const QList<SmcKey> keys = {sp78Key("TC0P", 50)};
        ScriptedRounds script {
            platformWithBattery(battery ? QVariantMap {{QStringLiteral("Temperature"), 3031}} : QVariantMap {}),
            {smcFirstRound ? std::optional(keys) : std::nullopt, smcSecondRound ? std::optional(keys) : std::nullopt}};
        const ThermalReport report = sampleRounds(script, 2);
        QCOMPARE(report.sourceDescription, label);
        if (battery && !smcFirstRound)
            QCOMPARE(report.sensors.constLast().name, QStringLiteral("Batterie"));
    }

    void thermalStateReadOnce_data()
    {
        QTest::addColumn<std::optional<qint64>>("osValue");
        QTest::addColumn<SystemThermalState>("state");
        QTest::newRow("nominal") << std::optional<qint64>(0) << SystemThermalState::nominal;
        QTest::newRow("fair") << std::optional<qint64>(1) << SystemThermalState::fair;
        QTest::newRow("serious") << std::optional<qint64>(2) << SystemThermalState::serious;
        QTest::newRow("critical") << std::optional<qint64>(3) << SystemThermalState::critical;
        QTest::newRow("beyond") << std::optional<qint64>(4) << SystemThermalState::unknown;
        QTest::newRow("none") << std::optional<qint64>() << SystemThermalState::unknown;
    }
    void thermalStateReadOnce()
    {
        QFETCH(std::optional<qint64>, osValue);
        QFETCH(SystemThermalState, state);
        Platform platform = makeFakePlatform({});
        platform.thermalState = std::make_shared<FixedThermalState>(osValue);
        QCOMPARE(readThermalReport(platform, RecordingSleeper(), 1, 0).systemThermalState, state);
    }
};

QTEST_GUILESS_MAIN(ThermalSamplingTest)
#include "ThermalSamplingTest.moc"
