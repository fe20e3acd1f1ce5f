#include "battery/BatteryEvaluation.h"
#include "battery/BatteryResult.h"
#include "fans/FanCheck.h"
#include "machine/BatteryReader.h"
#include "machine/ThermalSampling.h"
#include "platform/smc/SmcAccess.h"
#include "power/PowerEvaluation.h"
#include "power/PowerResult.h"
#include "power/PowerSnapshotReader.h"
#include "support/RealMachines.h"
#include "support/RecordingSleeper.h"
#include "system/TemperatureOverview.h"
#include "system/ThermalEvaluation.h"

#include <QJsonArray>
#include <QLocale>
#include <QMetaEnum>
#include <QTest>

// Replays the data published from real Macs (tests/fixtures/machines) through
// the readers and checks what the result screens would show. A folder's
// replay.json names its files and holds the expected screen, one section per
// module; a folder added there joins these tables as it is.
namespace {

template<typename Enum>
QString keyOf(Enum value)
{
    return QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(int(value)));
}

QString text(const QJsonValue &value)
{
    QStringList lines;
    if (value.isArray()) {
        for (const QJsonValue &element : value.toArray())
            lines.append(element.toString());
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            lines.append(it.key() + u' ' + it.value().toString());
    } else {
        return value.toString();
    }
    return lines.join(u'\n');
}

// Every expected field, compared by name; files named by the section are no field.
void compareShown(const QJsonObject &shown, QJsonObject expected)
{
    expected.remove(QStringLiteral("registry"));
    expected.remove(QStringLiteral("smc"));
    QCOMPARE(shown.keys().join(u' '), expected.keys().join(u' '));
    for (const QString &field : expected.keys())
        QCOMPARE(field + QStringLiteral(": ") + text(shown.value(field)),
                 field + QStringLiteral(": ") + text(expected.value(field)));
}

void addMachineRows(const QString &module)
{
    QTest::addColumn<SimulatedMachine>("machine");
    QTest::addColumn<QJsonObject>("expected");
    for (const RealMachines::RealMachine &machine : RealMachines::all()) {
        if (machine.replay.isEmpty())
            QTest::newRow(qPrintable(machine.folder)) << SimulatedMachine {} << QJsonObject {};
        else if (const QJsonObject expected = machine.expected(module); !expected.isEmpty())
            QTest::newRow(qPrintable(machine.folder)) << machine.simulated(module) << expected;
    }
}

QStringList fanLines(const SmcTransport &smc)
{
    char buffer[8192] = {};
    if (smc_copy_fan_lines(smc, buffer, sizeof buffer) < 1)
        return {};
    return QString::fromLatin1(buffer).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class MachineReplayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void battery_data() { addMachineRows(QStringLiteral("battery")); }
    void battery()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(QJsonObject, expected);
        QVERIFY2(!expected.isEmpty(), "the folder has no readable replay.json");
        QJsonObject shown;
        try {
            const BatterySnapshot snapshot = BatteryReader(makeFakePlatform(machine)).read();
            const BatteryEvaluation evaluation = evaluate(snapshot);
            const BatteryResult result = batteryResult(snapshot, evaluation);
            shown = {
                {"verdict", keyOf(evaluation.verdict)},
                {"subtitle", result.subtitle},
                {"title", result.look.title},
                {"health", result.metrics.health.value},
                {"cycles", result.metrics.cycles.value},
                {"condition", result.metrics.condition.value},
                {"fullCharge", result.metrics.fullCharge.value},
                {"design", result.metrics.design.value},
                {"charge", result.metrics.charge.value},
                {"chargeSubtitle", result.metrics.charge.subtitle},
            };
        } catch (BatteryReaderError error) {
            shown = {{"error", localizedDescription(error)}};
        }
        compareShown(shown, expected);
    }

    void charger_data() { addMachineRows(QStringLiteral("charger")); }
    void charger()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(QJsonObject, expected);
        QVERIFY2(!expected.isEmpty(), "the folder has no readable replay.json");
        QJsonObject shown;
        try {
            const PowerReading reading = readPowerSnapshot(makeFakePlatform(machine));
            const PowerResult result = powerResult(reading.snapshot, evaluate(reading.snapshot), reading.family);
            shown = {
                {"verdict", rawValue(result.verdict)},
                {"title", result.title},
                {"details", QJsonArray::fromStringList(result.details)},
                {"pills", QJsonArray::fromStringList({result.adapterWatts, result.charge, result.source})},
                {"repairPages", result.offersRepair()},
            };
        } catch (BatteryReaderError error) {
            shown = {{"error", localizedDescription(error)}};
        }
        compareShown(shown, expected);
    }

    // A fan standing still is a reading; a fanless Mac has none.
    void fans_data() { addMachineRows(QStringLiteral("fans")); }
    void fans()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(QJsonObject, expected);
        QVERIFY2(!expected.isEmpty(), "the folder has no readable replay.json");
        const FanDiagnosticResult result = computeFanResult(makeFakePlatform(machine), RecordingSleeper());
        const QJsonObject shown {
            {"verdict", rawValue(result.verdict)},
            {"title", result.title},
            {"details", QJsonArray::fromStringList(result.details())},
            {"cleaningLink", result.cleaningRecommended},
        };
        compareShown(shown, expected);
    }

    void temperatures_data() { addMachineRows(QStringLiteral("temperatures")); }
    void temperatures()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(QJsonObject, expected);
        QVERIFY2(!expected.isEmpty(), "the folder has no readable replay.json");
        const Platform platform = makeFakePlatform(machine);
        const ThermalReport report = readThermalReport(platform, RecordingSleeper(), 6, 0.3);
        const TemperatureOverview overview = temperatureOverview(report);

        // The panel's rows grouped by category, each row's details being "key · category".
        QStringList sensors;
        QString category;
        QJsonObject values;
        const QJsonObject valuesAsked = expected.value(QStringLiteral("values")).toObject();
        for (const SensorRow &row : overview.sensors) {
            const QString key = row.details.section(QStringLiteral(" · "), 0, 0);
            const QString rowCategory = row.details.section(QStringLiteral(" · "), 1);
            if (rowCategory != category)
                sensors.append(rowCategory + u':');
            category = rowCategory;
            sensors.last() += u' ' + key;
            if (valuesAsked.contains(key))
                values.insert(key, row.average);
        }
        QStringList cards;
        for (const TemperatureCard &card : overview.cards)
            cards.append(card.value);

        const QJsonObject shown {
            {"verdict", keyOf(evaluateThermal(report.sensors, report.systemThermalState).verdict)},
            {"summary", overview.summary},
            {"cards", QJsonArray::fromStringList(cards)},
            {"sensors", QJsonArray::fromStringList(sensors)},
            {"values", values},
            {"fanLines", QJsonArray::fromStringList(fanLines(*platform.smcTransport))},
        };
        compareShown(shown, expected);
    }
};

QTEST_GUILESS_MAIN(MachineReplayTest)
#include "MachineReplayTest.moc"
