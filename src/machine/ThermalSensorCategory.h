#pragma once

#include <QString>

// Kinds of temperature sensor, in the order reports list them.
enum class ThermalSensorCategory {
    cpu,
    gpu,
    battery,
    storage,
    memory,
    system,
    other,
};

// The German name shown for the kind.
QString rawValue(ThermalSensorCategory category);
