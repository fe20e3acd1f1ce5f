#include "input/InputDiagnosticResult.h"

#include "input/KeyboardLayout.h"
#include "machine/RepairPages.h"

namespace {

QString mark(bool recognised)
{
    return recognised ? QStringLiteral("✓") : QStringLiteral("–");
}

} // namespace

InputDiagnosticResult inputResult(const QSet<quint16> &pressedKeyCodes, const TrackpadActions &trackpad,
                                  MacBookFamily family)
{
    InputDiagnosticResult result;
    for (const KeyboardTestKey &key : allTestKeys()) {
        if (pressedKeyCodes.contains(key.code))
            ++result.pressedCount;
        else
            result.missingKeys << key.label;
    }
    result.expectedCount = static_cast<int>(allTestKeys().size());
    result.trackpad = trackpad;
    result.family = family;
    return result;
}

CustomerVerdict InputDiagnosticResult::verdict() const
{
    return missingKeys.isEmpty() && trackpad.all() ? CustomerVerdict::Good : CustomerVerdict::Notice;
}

QString InputDiagnosticResult::title() const
{
    return verdict() == CustomerVerdict::Good ? QStringLiteral("Eingaben unauffällig")
                                              : QStringLiteral("Nicht alle Eingaben bestätigt");
}

QString InputDiagnosticResult::text() const
{
    return verdict() == CustomerVerdict::Good
        ? QStringLiteral("Die geprüften Tasten und Trackpad-Funktionen wurden erkannt.")
        : QStringLiteral("Einige Tasten oder Trackpad-Funktionen wurden während des Tests nicht erkannt. Wiederhole "
                         "den Test bei Unsicherheit. Bleibt eine Taste oder Funktion ohne Reaktion, ist eine "
                         "Reparatur sinnvoll.");
}

QStringList InputDiagnosticResult::details() const
{
    return {QStringLiteral("Tastatur: %1 von %2 Prüftasten erkannt").arg(pressedCount).arg(expectedCount),
            QStringLiteral("Trackpad: Bewegung %1, Klick %2, Sekundärklick %3, Scrollen %4, Zoom %5")
                .arg(mark(trackpad.pointerMoved), mark(trackpad.primaryClick), mark(trackpad.secondaryClick),
                     mark(trackpad.scrolled), mark(trackpad.magnified))};
}

QUrl InputDiagnosticResult::keyboardRepairPage() const
{
    return missingKeys.isEmpty() ? QUrl() : keyboardRepairURL(family);
}

QUrl InputDiagnosticResult::trackpadRepairPage() const
{
    return trackpad.all() ? QUrl() : trackpadRepairURL(family);
}
