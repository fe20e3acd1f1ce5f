#include "system/ProcessLoadVerdict.h"

QString label(ProcessLoadVerdict verdict)
{
    switch (verdict) {
    case ProcessLoadVerdict::good: return QStringLiteral("Hintergrundlast unauffällig");
    case ProcessLoadVerdict::elevated: return QStringLiteral("Akku-relevante Hintergrundlast");
    case ProcessLoadVerdict::heavy: return QStringLiteral("Starke Hintergrundlast erkannt");
    case ProcessLoadVerdict::unavailable: break;
    }
    return QStringLiteral("Hintergrundlast nicht verfügbar");
}
