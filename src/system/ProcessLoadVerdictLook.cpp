#include "system/ProcessLoadVerdictLook.h"

VerdictLook verdictLook(ProcessLoadVerdict verdict)
{
    switch (verdict) {
    case ProcessLoadVerdict::good: return {label(verdict), QStringLiteral("checkmark.circle"), Tint::Good};
    case ProcessLoadVerdict::elevated: return {label(verdict), QStringLiteral("cpu"), Tint::Warning};
    case ProcessLoadVerdict::heavy: return {label(verdict), QStringLiteral("exclamationmark.triangle"), Tint::Problem};
    case ProcessLoadVerdict::unavailable: break;
    }
    return {label(verdict), QStringLiteral("questionmark.circle"), Tint::Neutral};
}
