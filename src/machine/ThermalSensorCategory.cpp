#include "machine/ThermalSensorCategory.h"

QString rawValue(ThermalSensorCategory category)
{
    switch (category) {
    case ThermalSensorCategory::cpu: return QStringLiteral("CPU / SoC");
    case ThermalSensorCategory::gpu: return QStringLiteral("GPU");
    case ThermalSensorCategory::battery: return QStringLiteral("Batterie");
    case ThermalSensorCategory::storage: return QStringLiteral("SSD / Speicher");
    case ThermalSensorCategory::memory: return QStringLiteral("Arbeitsspeicher");
    case ThermalSensorCategory::system: return QStringLiteral("System");
    case ThermalSensorCategory::other: break;
    }
    return QStringLiteral("Weitere Sensoren");
}
