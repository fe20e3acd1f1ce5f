#include "machine/ThermalSampling.h"
#include "platform/linux/LinuxBatteryService.h"
#include "platform/linux/LinuxSmcTransport.h"
#include "support/FakeApplesmc.h"
#include "support/FakePlatform.h"
#include "support/RecordingSleeper.h"
#include "support/SensorComparison.h"

#include <QTest>

// The whole way from applesmc's files and the battery's power supply files
// to a report, on a Linux Intel MacBook Pro without root.
class IntelMacBookProTest : public QObject
{
    Q_OBJECT

private slots:
    void twoRounds()
    {
        FakeTree tree;
        addIntelMacBookProApplesmc(tree);
        tree.write(QStringLiteral("sys/class/power_supply/BAT0/type"), "Battery\n");
        tree.write(QStringLiteral("sys/class/power_supply/BAT0/temp"), "301\n");
        Platform platform = makeFakePlatform({});
        platform.smcTransport = std::make_shared<LinuxSmcTransport>(tree.root(), false);
        platform.batteryService = std::make_shared<LinuxBatteryService>(tree.root());
        const QString device = QLatin1String(applesmcDirectory) + QLatin1Char('/');
        const RecordingSleeper sleeper([&] {
            tree.write(device + QStringLiteral("temp4_input"), "59750\n"); // TC0P
            tree.write(device + QStringLiteral("temp11_label"), "TC0D\n");
            tree.write(device + QStringLiteral("temp11_input"), "62000\n");
            tree.write(QStringLiteral("sys/class/power_supply/BAT0/temp"), "305\n");
        });
        const ThermalReport report = readThermalReport(platform, sleeper, 2, 0.3);
        using C = ThermalSensorCategory;
        const QList<TemperatureSensor> expected = {
            {"TC0D", "CPU Die", C::cpu, 62, 62, 1},
            {"TC0E", "CPU / SoC Sensor TC0E", C::cpu, 60, 60, 2},
            {"TC0P", "CPU Nähe", C::cpu, 58.75, 59.75, 2},
            {"TG0P", "GPU Nähe", C::gpu, 52, 52, 2},
            {"BATT", "Batterie", C::battery, 30.3, 30.5, 2},
            {"TB0T", "Batterie", C::battery, 26.25, 26.25, 2},
            {"TB1T", "Batteriesensor TB1T", C::battery, 25.75, 25.75, 2},
            {"TM0P", "Arbeitsspeicher Sensor TM0P", C::memory, 45.5, 45.5, 2},
            {"Ts0P", "Systemsensor Ts0P", C::system, 31, 31, 2},
            {"TW0P", "Temperatursensor TW0P", C::other, 40.25, 40.25, 2},
        };
        compareSensors(report.sensors, expected);
        QCOMPARE(report.sourceDescription, QStringLiteral("Apple SMC + macOS Thermal State"));
    }
};

QTEST_GUILESS_MAIN(IntelMacBookProTest)
#include "tst_intelmacbookpro.moc"
