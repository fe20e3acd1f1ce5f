#include "power/PowerEvaluation.h"

PowerEvaluation evaluate(const PowerSnapshot &snapshot)
{
    if (!snapshot.externalConnected) {
        return {CustomerVerdict::Unavailable,
                QStringLiteral("Kein Ladegerät erkannt"),
                QStringLiteral("Schließe dein Ladegerät an und starte den Test anschließend erneut. Ohne "
                               "angeschlossene Stromquelle kann die Ladefunktion nicht zuverlässig bewertet werden."),
                {QStringLiteral("Kein externer Stromanschluss wurde von macOS gemeldet.")}};
    }
    if (snapshot.isCharging) {
        QStringList details {QStringLiteral("Das MacBook meldet einen aktiven Ladevorgang.")};
        if (snapshot.adapterWatts)
            details << QStringLiteral("Das erkannte Netzteil meldet bis zu %1 W.").arg(*snapshot.adapterWatts);
        return {CustomerVerdict::Good, QStringLiteral("Stromversorgung funktioniert"),
                QStringLiteral("Das Ladegerät wird erkannt und der Akku nimmt Ladung auf. Aktuell gibt es keinen "
                               "direkten Hinweis auf einen Fehler der Stromversorgung."),
                details};
    }
    if (snapshot.chargePercent && *snapshot.chargePercent >= 95) {
        return {CustomerVerdict::Notice,
                QStringLiteral("Ladegerät erkannt – aktuell keine Ladung"),
                QStringLiteral("Der Akku ist bereits fast voll. macOS kann die Ladung in diesem Bereich absichtlich "
                               "pausieren. Das ist allein noch kein Defekt."),
                {QStringLiteral("Ladestand: %1 %").arg(*snapshot.chargePercent),
                 QStringLiteral("Externe Stromversorgung ist verbunden.")}};
    }
    return {CustomerVerdict::Problem,
            QStringLiteral("Ladefunktion auffällig"),
            QStringLiteral("Das MacBook erkennt eine externe Stromquelle, meldet aber keinen aktiven Ladevorgang. Bei "
                           "niedrigem Akkustand kann das auf Ladegerät, Kabel oder Ladeanschluss hindeuten."),
            {QStringLiteral("Externe Stromversorgung erkannt"), QStringLiteral("Akku wird aktuell nicht geladen")}};
}
