#include "battery/BatteryVerdictLook.h"

VerdictLook verdictLook(BatteryVerdict verdict)
{
    switch (verdict) {
    case BatteryVerdict::good:
        return {QStringLiteral("Akku-Wechsel nicht notwendig"), QStringLiteral("checkmark.circle.fill"), Tint::Good};
    case BatteryVerdict::soon:
        return {QStringLiteral("Akku-Wechsel steht bald bevor"), QStringLiteral("clock.badge.exclamationmark.fill"),
                Tint::Warning};
    case BatteryVerdict::replace:
        return {QStringLiteral("Akku-Wechsel notwendig"), QStringLiteral("exclamationmark.triangle.fill"),
                Tint::Problem};
    case BatteryVerdict::unavailable: break;
    }
    return {QStringLiteral("Bewertung nicht vollständig möglich"), QStringLiteral("questionmark.circle.fill"),
            Tint::Neutral};
}
