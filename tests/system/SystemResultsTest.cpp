#include "system/ProcessLoadOverview.h"
#include "system/SensorTint.h"
#include "system/SystemResult.h"
#include "system/TemperatureOverview.h"
#include "system/TemperatureSummaryText.h"

#include <QTest>

namespace {

TemperatureSensor sensor(const char *key, const char *name, ThermalSensorCategory category, double average,
                         double peak = 0)
{
    return {QString::fromLatin1(key), QString::fromUtf8(name), category, average, peak, 6};
}

ProcessCPURecord process(const char *name, ProcessOrigin origin, double average, double peak)
{
    ProcessCPURecord record;
    record.pid = 4711;
    record.name = QString::fromUtf8(name);
    record.origin = origin;
    record.averageCPUPercent = average;
    record.peakCPUPercent = peak;
    record.averageMemoryMB = 1234.4;
    return record;
}

} // namespace

class SystemResultsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void tintsSensorsByTheirCategory_data()
    {
        QTest::addColumn<ThermalSensorCategory>("category");
        QTest::addColumn<double>("celsius");
        QTest::addColumn<Tint>("tint");
        QTest::newRow("cpu below elevated") << ThermalSensorCategory::cpu << 84.9 << Tint::Good;
        QTest::newRow("cpu at elevated") << ThermalSensorCategory::cpu << 85.0 << Tint::Warning;
        QTest::newRow("cpu at cleaning") << ThermalSensorCategory::cpu << 95.0 << Tint::Problem;
        QTest::newRow("battery at 41") << ThermalSensorCategory::battery << 41.0 << Tint::Warning;
    }
    void tintsSensorsByTheirCategory()
    {
        QFETCH(ThermalSensorCategory, category);
        QFETCH(double, celsius);
        QFETCH(Tint, tint);
        QCOMPARE(sensorTint(sensor("T000", "x", category, celsius)), tint);
        QCOMPARE(sensorTint(std::nullopt), Tint::Neutral);
    }

    void summarisesSensorsForTheClipboard()
    {
        const ThermalReport report {{sensor("TC0P", "CPU Nähe", ThermalSensorCategory::cpu, 61.25, 70.04),
                                     sensor("BATT", "Batterie", ThermalSensorCategory::battery, 30, 30.5)},
                                    SystemThermalState::fair,
                                    QStringLiteral("SMC")};
        QCOMPARE(temperatureSummaryText(report),
                 QStringLiteral("Quarzlinde Health Check – Temperatursensoren\n"
                                "Quelle: SMC\n"
                                "macOS Thermal State: %1\n"
                                "TC0P | CPU Nähe | Ø 61,3 °C | max 70,0 °C | Samples 6\n"
                                "BATT | Batterie | Ø 30,0 °C | max 30,5 °C | Samples 6")
                     .arg(rawValue(SystemThermalState::fair)));
    }

    void showsTheHottestSensorOfEachCategory()
    {
        const ThermalReport report {{sensor("TC0P", "CPU Nähe", ThermalSensorCategory::cpu, 61.0, 70.0),
                                     sensor("TC0D", "CPU Die", ThermalSensorCategory::cpu, 66.0, 68.0),
                                     sensor("TC1D", "CPU Die 2", ThermalSensorCategory::cpu, 66.0, 90.0),
                                     sensor("TB0T", "Batterie", ThermalSensorCategory::battery, 41.0, 41.5)},
                                    SystemThermalState::nominal,
                                    QString()};
        const TemperatureOverview shown = temperatureOverview(report);
        QCOMPARE(shown.cards.size(), 4);
        // The first of two equally warm sensors.
        QCOMPARE(shown.cards[0], (TemperatureCard {"CPU / SoC", "66,0 °C", "Spitze 68,0 °C", Tint::Good}));
        QCOMPARE(shown.cards[1], (TemperatureCard {"GPU", "–", "Kein Sensor", Tint::Neutral}));
        QCOMPARE(shown.cards[2].tint, Tint::Warning);
        QCOMPARE(shown.cards[3].title, QStringLiteral("SSD / Speicher"));
        QCOMPARE(shown.summary, QStringLiteral("Wärmster Sensor: CPU Die · 66,0 °C"));
        QCOMPARE(shown.sensors.size(), 4);
        QCOMPARE(shown.sensors[1], (SensorRow {"CPU Die", "TC0D · CPU / SoC", "66,0 °C"}));
    }

    void tintsFlaggedProcesses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("average");
        QTest::addColumn<double>("peak");
        QTest::addColumn<Tint>("tint");
        QTest::newRow("sustained but below a core") << "backupd" << 99.9 << 179.9 << Tint::Warning;
        QTest::newRow("a whole core") << "backupd" << 100.0 << 120.0 << Tint::Problem;
        QTest::newRow("spikes") << "backupd" << 40.0 << 180.0 << Tint::Problem;
        QTest::newRow("kernel task stays orange") << "kernel_task" << 150.0 << 200.0 << Tint::Warning;
    }
    void tintsFlaggedProcesses()
    {
        QFETCH(QString, name);
        QFETCH(double, average);
        QFETCH(double, peak);
        QFETCH(Tint, tint);
        QCOMPARE(flaggedProcessTint(process(qPrintable(name), ProcessOrigin::background, average, peak)), tint);
    }

    void writesProcessRowsInTheLocale()
    {
        ProcessLoadEvaluation evaluation;
        evaluation.flaggedProcesses = {process("WindowServer", ProcessOrigin::appleSystem, 12.34, 20.0)};
        evaluation.relevantProcesses = {process("backupd", ProcessOrigin::background, 1, 2)};
        ProcessLoadReport report;

        const ProcessLoadOverview shown = processLoadOverview(report, evaluation, true);
        const FlaggedProcessRow &flagged = shown.flagged.first();
        QCOMPARE(flagged.symbol, QStringLiteral("gearshape.2"));
        QCOMPARE(flagged.details, QStringLiteral("PID 4711 · ca. 1.234 MB RAM"));
        QCOMPARE(flagged.average, QStringLiteral("Ø 12,3 %"));
        QCOMPARE(flagged.peak, QStringLiteral("Spitze 20,0 %"));
        QCOMPARE(flagged.note, QString());
        QCOMPARE(shown.relevant.first().details, QStringLiteral("PID 4711 · ") + label(ProcessOrigin::background));
    }

    void offersTheCleaningPageOnlyWhenDue_data()
    {
        QTest::addColumn<ThermalVerdict>("verdict");
        QTest::addColumn<bool>("offered");
        QTest::newRow("good") << ThermalVerdict::good << false;
        QTest::newRow("elevated") << ThermalVerdict::elevated << false;
        QTest::newRow("cleaning needed") << ThermalVerdict::cleaningNeeded << true;
        QTest::newRow("unavailable") << ThermalVerdict::unavailable << false;
    }
    void offersTheCleaningPageOnlyWhenDue()
    {
        QFETCH(ThermalVerdict, verdict);
        QFETCH(bool, offered);
        ThermalEvaluation thermal;
        thermal.verdict = verdict;
        const SystemResult result = systemResult({}, thermal, {}, {}, true);
        QCOMPARE(result.offersCleaning(), offered);
        QCOMPARE(result.cleaningPage.isEmpty(), !offered);
    }
};

QTEST_GUILESS_MAIN(SystemResultsTest)
#include "SystemResultsTest.moc"
