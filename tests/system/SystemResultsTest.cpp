#include "system/SensorTint.h"
#include "system/SystemVariants.h"
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
        QTest::addColumn<QString>("tint");
        QTest::newRow("cpu below elevated") << ThermalSensorCategory::cpu << 84.9 << "good";
        QTest::newRow("cpu at elevated") << ThermalSensorCategory::cpu << 85.0 << "warning";
        QTest::newRow("cpu at cleaning") << ThermalSensorCategory::cpu << 95.0 << "problem";
        QTest::newRow("battery at 41") << ThermalSensorCategory::battery << 41.0 << "warning";
        QTest::newRow("battery at 45") << ThermalSensorCategory::battery << 45.0 << "problem";
        QTest::newRow("storage at 60") << ThermalSensorCategory::storage << 60.0 << "warning";
        QTest::newRow("other at 79") << ThermalSensorCategory::other << 79.0 << "good";
    }
    void tintsSensorsByTheirCategory()
    {
        QFETCH(ThermalSensorCategory, category);
        QFETCH(double, celsius);
        QFETCH(QString, tint);
        QCOMPARE(sensorTint(sensor("T000", "x", category, celsius)), tint);
        QCOMPARE(sensorTint(std::nullopt), QStringLiteral("neutral"));
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
        const QVariantMap shown = toVariantMap(report);
        const QVariantList cards = shown.value("cards").toList();
        QCOMPARE(cards.size(), 4);
        const auto card = [&cards](int index, const char *field) {
            return cards[index].toMap().value(field).toString();
        };
        QCOMPARE(card(0, "title"), QStringLiteral("CPU / SoC"));
        QCOMPARE(card(0, "value"), QStringLiteral("66,0 °C"));
        QCOMPARE(card(0, "detail"), QStringLiteral("Spitze 68,0 °C")); // the first of two equally warm
        QCOMPARE(card(0, "tint"), QStringLiteral("good"));
        QCOMPARE(card(1, "value"), QStringLiteral("–"));
        QCOMPARE(card(1, "detail"), QStringLiteral("Kein Sensor"));
        QCOMPARE(card(1, "tint"), QStringLiteral("neutral"));
        QCOMPARE(card(2, "tint"), QStringLiteral("warning"));
        QCOMPARE(card(3, "title"), QStringLiteral("SSD / Speicher"));
        QCOMPARE(shown.value("hottest").toString(), QStringLiteral("Wärmster Sensor: CPU Die · 66,0 °C"));

        const QVariantMap empty = toVariantMap(ThermalReport {});
        QVERIFY(!empty.contains("hottest"));
        QCOMPARE(empty.value("sensors").toList().size(), 0);
    }

    void tintsFlaggedProcesses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("average");
        QTest::addColumn<double>("peak");
        QTest::addColumn<QString>("tint");
        QTest::newRow("sustained but below a core") << "backupd" << 99.9 << 179.9 << "warning";
        QTest::newRow("a whole core") << "backupd" << 100.0 << 120.0 << "problem";
        QTest::newRow("spikes") << "backupd" << 40.0 << 180.0 << "problem";
        QTest::newRow("kernel task stays orange") << "kernel_task" << 150.0 << 200.0 << "warning";
    }
    void tintsFlaggedProcesses()
    {
        QFETCH(QString, name);
        QFETCH(double, average);
        QFETCH(double, peak);
        QFETCH(QString, tint);
        ProcessLoadEvaluation evaluation;
        evaluation.flaggedProcesses = {process(qPrintable(name), ProcessOrigin::background, average, peak)};
        const QVariantMap row = toVariantMap(evaluation).value("flagged").toList().first().toMap();
        QCOMPARE(row.value("tint").toString(), tint);
    }

    void writesProcessRowsInTheLocale()
    {
        ProcessLoadEvaluation evaluation;
        evaluation.flaggedProcesses = {process("WindowServer", ProcessOrigin::appleSystem, 12.34, 20.0)};
        evaluation.relevantProcesses = {process("backupd", ProcessOrigin::background, 1, 2)};
        const QVariantMap shown = toVariantMap(evaluation);
        const QVariantMap flagged = shown.value("flagged").toList().first().toMap();
        QCOMPARE(flagged.value("symbol").toString(), QStringLiteral("gearshape.2"));
        QCOMPARE(flagged.value("details").toString(), QStringLiteral("PID 4711 · ca. 1.234 MB RAM"));
        QCOMPARE(flagged.value("average").toString(), QStringLiteral("Ø 12,3 %"));
        QCOMPARE(flagged.value("peak").toString(), QStringLiteral("Spitze 20,0 %"));
        QVERIFY(!flagged.contains("note"));
        QCOMPARE(shown.value("relevant").toList().first().toMap().value("details").toString(),
                 QStringLiteral("PID 4711 · ") + label(ProcessOrigin::background));

        ProcessLoadReport report;
        report.sampleCount = 8;
        report.durationSeconds = 3.14;
        QCOMPARE(toVariantMap(report).value("measurement").toString(),
                 QStringLiteral("Messdauer: 3,1 s · 8 Messpunkte"));
    }
};

QTEST_GUILESS_MAIN(SystemResultsTest)
#include "SystemResultsTest.moc"
