#pragma once

#include "system/TemperatureSensor.h"

#include <QString>

#include <optional>

// The palette tint of a sensor's average against its category's limits:
// "problem" from the cleaning limit, "warning" from the elevated one, else
// "good"; "neutral" without a sensor.
QString sensorTint(const std::optional<TemperatureSensor> &sensor);
