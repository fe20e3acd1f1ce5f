#include "system/SensorTint.h"

#include "system/ThermalEvaluation.h"

QString sensorTint(const std::optional<TemperatureSensor> &sensor)
{
    if (!sensor)
        return QStringLiteral("neutral");
    const ThermalLimits limits = thermalLimits(sensor->category);
    if (sensor->temperatureCelsius >= limits.cleaning)
        return QStringLiteral("problem");
    if (sensor->temperatureCelsius >= limits.elevated)
        return QStringLiteral("warning");
    return QStringLiteral("good");
}
