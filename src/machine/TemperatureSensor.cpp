#include "machine/TemperatureSensor.h"

std::optional<TemperatureSensor> hottestSensor(const QList<TemperatureSensor> &sensors)
{
    std::optional<TemperatureSensor> hottest;
    for (const TemperatureSensor &sensor : sensors) {
        if (!hottest || sensor.temperatureCelsius > hottest->temperatureCelsius)
            hottest = sensor;
    }
    return hottest;
}
