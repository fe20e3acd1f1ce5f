#include "system/ProcessOrigin.h"

QString label(ProcessOrigin origin)
{
    switch (origin) {
    case ProcessOrigin::appleSystem: return QStringLiteral("macOS System");
    case ProcessOrigin::application: return QStringLiteral("App");
    case ProcessOrigin::helper: return QStringLiteral("App-Hilfsprozess");
    case ProcessOrigin::background: return QStringLiteral("Hintergrundprozess");
    case ProcessOrigin::unknown: break;
    }
    return QStringLiteral("Prozess");
}
