#pragma once

#include "machine/ThermalSensorCategory.h"

#include <QString>

// What an SMC temperature key measures, by the naming habits of its keys;
// "BATT" is the battery's own temperature reading.
ThermalSensorCategory sensorCategory(const QString &key);

// The German name a sensor is shown with.
QString sensorDisplayName(const QString &key, ThermalSensorCategory category);
