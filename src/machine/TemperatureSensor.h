#pragma once

#include "machine/ThermalSensorCategory.h"

#include <QList>
#include <QString>

#include <optional>

// One sensor over a sampling run: its average and peak in °C over the rounds
// in which it delivered a value.
struct TemperatureSensor
{
    QString key;
    QString name;
    ThermalSensorCategory category = ThermalSensorCategory::other;
    double temperatureCelsius = 0;
    double peakCelsius = 0;
    int sampleCount = 0;

    friend bool operator==(const TemperatureSensor &, const TemperatureSensor &) = default;
};

// The sensor with the highest average; the earlier one on a tie.
std::optional<TemperatureSensor> hottestSensor(const QList<TemperatureSensor> &sensors);
