#pragma once

#include "machine/TemperatureSensor.h"
#include "ui/Tint.h"

#include <optional>

// A sensor's average against its category's limits: a problem from the
// cleaning limit on, a warning from the elevated one, else good; neutral
// without a sensor.
Tint sensorTint(const std::optional<TemperatureSensor> &sensor);
