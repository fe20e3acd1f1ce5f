#pragma once

#include <QString>

#include <optional>

// The operating system's rating of thermal pressure.
enum class SystemThermalState {
    nominal,
    fair,
    serious,
    critical,
    unknown,
};

// From the operating system's numbering (0 nominal ... 3 critical).
SystemThermalState systemThermalState(std::optional<qint64> osValue);

// The German name shown for the state.
QString rawValue(SystemThermalState state);
