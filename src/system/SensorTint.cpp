#include "system/SensorTint.h"

#include "system/ThermalEvaluation.h"

Tint sensorTint(const std::optional<TemperatureSensor> &sensor)
{
    if (!sensor)
        return Tint::Neutral;
    const ThermalLimits limits = thermalLimits(sensor->category);
    if (sensor->temperatureCelsius >= limits.cleaning)
        return Tint::Problem;
    if (sensor->temperatureCelsius >= limits.elevated)
        return Tint::Warning;
    return Tint::Good;
}
