#include "machine/SystemThermalState.h"

SystemThermalState systemThermalState(std::optional<qint64> osValue)
{
    switch (osValue.value_or(-1)) {
    case 0: return SystemThermalState::nominal;
    case 1: return SystemThermalState::fair;
    case 2: return SystemThermalState::serious;
    case 3: return SystemThermalState::critical;
    default: return SystemThermalState::unknown;
    }
}

QString rawValue(SystemThermalState state)
{
    switch (state) {
    case SystemThermalState::nominal: return QStringLiteral("Normal");
    case SystemThermalState::fair: return QStringLiteral("Erhöht");
    case SystemThermalState::serious: return QStringLiteral("Stark erhöht");
    case SystemThermalState::critical: return QStringLiteral("Kritisch");
    case SystemThermalState::unknown: break;
    }
    return QStringLiteral("Nicht verfügbar");
}
