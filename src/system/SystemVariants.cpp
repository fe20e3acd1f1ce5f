#include "system/SystemVariants.h"

#include "machine/RepairPages.h"
#include "system/FormatOneDecimal.h"
#include "system/SensorTint.h"

#include <QLocale>
#include <QVariantList>

#include <array>

namespace {

QVariantMap sensorCard(const QString &title, const std::optional<TemperatureSensor> &sensor)
{
    QVariantMap card {{QStringLiteral("title"), title}, {QStringLiteral("tint"), sensorTint(sensor)}};
    if (sensor) {
        card.insert(QStringLiteral("value"), formatCelsius(sensor->temperatureCelsius));
        card.insert(QStringLiteral("detail"), QStringLiteral("Spitze ") + formatCelsius(sensor->peakCelsius));
    } else {
        card.insert(QStringLiteral("value"), QStringLiteral("–"));
        card.insert(QStringLiteral("detail"), QStringLiteral("Kein Sensor"));
    }
    return card;
}

// A flagged process burns red when it keeps a core busy or spikes far beyond
// one; the kernel's own task is only ever a warning.
bool isSevere(const ProcessCPURecord &process)
{
    return process.name != QLatin1String("kernel_task") &&
        (process.averageCPUPercent >= 100.0 || process.peakCPUPercent >= 180.0);
}

QVariantMap flaggedRow(const ProcessCPURecord &process)
{
    QVariantMap row {
        {QStringLiteral("name"), process.name},
        {QStringLiteral("originLabel"), label(process.origin)},
        {QStringLiteral("symbol"),
         process.origin == ProcessOrigin::appleSystem ? QStringLiteral("gearshape.2") : QStringLiteral("cpu")},
        {QStringLiteral("tint"), isSevere(process) ? QStringLiteral("problem") : QStringLiteral("warning")},
        {QStringLiteral("details"),
         QStringLiteral("PID %1 · ca. %2 MB RAM")
             .arg(QString::number(process.pid), QLocale().toString(process.averageMemoryMB, 'f', 0))},
        {QStringLiteral("average"),
         QStringLiteral("Ø ") + formatOneDecimal(process.averageCPUPercent) + QStringLiteral(" %")},
        {QStringLiteral("peak"),
         QStringLiteral("Spitze ") + formatOneDecimal(process.peakCPUPercent) + QStringLiteral(" %")},
    };
    if (process.specialNote)
        row.insert(QStringLiteral("note"), *process.specialNote);
    return row;
}

QVariantMap compactRow(const ProcessCPURecord &process)
{
    return {{QStringLiteral("name"), process.name},
            {QStringLiteral("details"),
             QStringLiteral("PID %1 · %2").arg(QString::number(process.pid), label(process.origin))}};
}

} // namespace

QString rawValue(ThermalVerdict verdict)
{
    switch (verdict) {
    case ThermalVerdict::good: return QStringLiteral("good");
    case ThermalVerdict::elevated: return QStringLiteral("elevated");
    case ThermalVerdict::cleaningNeeded: return QStringLiteral("cleaningNeeded");
    case ThermalVerdict::unavailable: break;
    }
    return QStringLiteral("unavailable");
}

QString rawValue(ProcessLoadVerdict verdict)
{
    switch (verdict) {
    case ProcessLoadVerdict::good: return QStringLiteral("good");
    case ProcessLoadVerdict::elevated: return QStringLiteral("elevated");
    case ProcessLoadVerdict::heavy: return QStringLiteral("heavy");
    case ProcessLoadVerdict::unavailable: break;
    }
    return QStringLiteral("unavailable");
}

QVariantMap toVariantMap(const ThermalReport &report)
{
    QVariantList sensors;
    for (const TemperatureSensor &sensor : report.sensors) {
        sensors.append(QVariantMap {
            {QStringLiteral("name"), sensor.name},
            {QStringLiteral("details"), sensor.key + QStringLiteral(" · ") + rawValue(sensor.category)},
            {QStringLiteral("average"), formatCelsius(sensor.temperatureCelsius)},
        });
    }

    constexpr std::array shownCategories {ThermalSensorCategory::cpu, ThermalSensorCategory::gpu,
                                          ThermalSensorCategory::battery, ThermalSensorCategory::storage};
    QVariantList cards;
    for (ThermalSensorCategory category : shownCategories) {
        QList<TemperatureSensor> ofCategory;
        std::copy_if(report.sensors.begin(), report.sensors.end(), std::back_inserter(ofCategory),
                     [category](const TemperatureSensor &sensor) { return sensor.category == category; });
        cards.append(sensorCard(rawValue(category), hottestSensor(ofCategory)));
    }

    QVariantMap map {{QStringLiteral("state"), rawValue(report.systemThermalState)},
                     {QStringLiteral("sensors"), sensors},
                     {QStringLiteral("cards"), cards}};
    if (const auto hottest = hottestSensor(report.sensors)) {
        map.insert(QStringLiteral("hottest"),
                   QStringLiteral("Wärmster Sensor: ") + hottest->name + QStringLiteral(" · ") +
                       formatCelsius(hottest->temperatureCelsius));
    }
    return map;
}

QVariantMap toVariantMap(const ThermalEvaluation &evaluation)
{
    return {{QStringLiteral("verdict"), rawValue(evaluation.verdict)},
            {QStringLiteral("reasons"), evaluation.reasons},
            {QStringLiteral("explanation"), evaluation.explanation},
            {QStringLiteral("cleaningPage"), RepairPages::cleaning()}};
}

QVariantMap toVariantMap(const ProcessLoadReport &report)
{
    return {{QStringLiteral("measurement"),
             QStringLiteral("Messdauer: %1 s · %2 Messpunkte")
                 .arg(formatOneDecimal(report.durationSeconds), QString::number(report.sampleCount))}};
}

QVariantMap toVariantMap(const ProcessLoadEvaluation &evaluation)
{
    QVariantList flagged;
    for (const ProcessCPURecord &process : evaluation.flaggedProcesses)
        flagged.append(flaggedRow(process));
    QVariantList relevant;
    for (const ProcessCPURecord &process : evaluation.relevantProcesses)
        relevant.append(compactRow(process));
    return {{QStringLiteral("verdict"), rawValue(evaluation.verdict)},
            {QStringLiteral("label"), label(evaluation.verdict)},
            {QStringLiteral("flagged"), flagged},
            {QStringLiteral("relevant"), relevant},
            {QStringLiteral("reasons"), evaluation.reasons},
            {QStringLiteral("explanation"), evaluation.explanation}};
}
