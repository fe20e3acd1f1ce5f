#include "machine/SensorCatalogue.h"

#include <QHash>

namespace {

bool startsWithAny(const QString &key, std::initializer_list<const char *> prefixes)
{
    for (const char *prefix : prefixes) {
        if (key.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

QString namePrefix(ThermalSensorCategory category)
{
    switch (category) {
    case ThermalSensorCategory::cpu: return QStringLiteral("CPU / SoC Sensor ");
    case ThermalSensorCategory::gpu: return QStringLiteral("GPU Sensor ");
    case ThermalSensorCategory::battery: return QStringLiteral("Batteriesensor ");
    case ThermalSensorCategory::storage: return QStringLiteral("SSD / Speicher Sensor ");
    case ThermalSensorCategory::memory: return QStringLiteral("Arbeitsspeicher Sensor ");
    case ThermalSensorCategory::system: return QStringLiteral("Systemsensor ");
    case ThermalSensorCategory::other: break;
    }
    return QStringLiteral("Temperatursensor ");
}

} // namespace

ThermalSensorCategory sensorCategory(const QString &key)
{
    if (key == QLatin1String("BATT"))
        return ThermalSensorCategory::battery;
    const QString upper = key.toUpper();
    if (upper.startsWith(QLatin1String("TB")))
        return ThermalSensorCategory::battery;
    if (upper.startsWith(QLatin1String("TG")))
        return ThermalSensorCategory::gpu;
    if (startsWithAny(upper, {"TC", "TP", "TE", "TF"}))
        return ThermalSensorCategory::cpu;
    if (upper.startsWith(QLatin1String("TM")))
        return ThermalSensorCategory::memory;
    if (startsWithAny(upper, {"TH", "TN"}) || upper.contains(QLatin1String("SSD")) ||
        upper.contains(QLatin1String("NAND")))
        return ThermalSensorCategory::storage;
    if (startsWithAny(upper, {"TS", "TA"}))
        return ThermalSensorCategory::system;
    return ThermalSensorCategory::other;
}

QString sensorDisplayName(const QString &key, ThermalSensorCategory category)
{
    static const QHash<QString, QString> knownSensors = {
        {QStringLiteral("BATT"), QStringLiteral("Batterie")},
        {QStringLiteral("TC0P"), QStringLiteral("CPU Nähe")},
        {QStringLiteral("TC0D"), QStringLiteral("CPU Die")},
        {QStringLiteral("TC0H"), QStringLiteral("CPU Kühlkörper")},
        {QStringLiteral("TG0P"), QStringLiteral("GPU Nähe")},
        {QStringLiteral("TG0D"), QStringLiteral("GPU Die")},
        {QStringLiteral("TB0T"), QStringLiteral("Batterie")},
        {QStringLiteral("TH0P"), QStringLiteral("Massenspeicher")},
        {QStringLiteral("TN0D"), QStringLiteral("System / Speichercontroller")},
    };
    return knownSensors.value(key, namePrefix(category) + key);
}
