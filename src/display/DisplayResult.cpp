#include "display/DisplayResult.h"

#include "display/DisplayPattern.h"
#include "machine/RepairPages.h"

DisplayResult displayResult(const QStringList &issues, MacBookFamily family)
{
    if (issues.isEmpty()) {
        return {CustomerVerdict::Good,
                QStringLiteral("Keine Auffälligkeit erkannt"),
                QStringLiteral("Bei den Testbildern hast du keine sichtbaren Fehler festgestellt."),
                {QStringLiteral("Alle %1 Testbilder wurden ohne gemeldete Auffälligkeit abgeschlossen.")
                     .arg(allDisplayPatterns.size())},
                {}};
    }
    return {CustomerVerdict::Problem,
            QStringLiteral("Display auffällig"),
            QStringLiteral("Bei mindestens einem Testbild hast du eine sichtbare Auffälligkeit festgestellt. Das kann "
                           "auf Displaypanel, Hintergrundbeleuchtung oder Displayeinheit hindeuten."),
            {QStringLiteral("Auffällig bei: ") + issues.join(QStringLiteral(", "))},
            displayRepairURL(family)};
}
