#include "system/ThermalVerdictLook.h"

VerdictLook verdictLook(ThermalVerdict verdict)
{
    switch (verdict) {
    case ThermalVerdict::good:
        return {QStringLiteral("Temperaturen unauffällig"), QStringLiteral("thermometer.low"), Tint::Good};
    case ThermalVerdict::elevated:
        return {QStringLiteral("Temperaturen erhöht"), QStringLiteral("thermometer.medium"), Tint::Warning};
    case ThermalVerdict::cleaningNeeded:
        return {QStringLiteral("Reinigung notwendig"), QStringLiteral("thermometer.high"), Tint::Problem};
    case ThermalVerdict::unavailable: break;
    }
    return {QStringLiteral("Temperaturen nicht verfügbar"), QStringLiteral("questionmark.circle"), Tint::Neutral};
}
