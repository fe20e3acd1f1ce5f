#include "power/PowerResult.h"

#include "machine/RepairPages.h"

PowerResult powerResult(const PowerSnapshot &snapshot, const PowerEvaluation &evaluation, MacBookFamily family)
{
    PowerResult result;
    result.verdict = evaluation.verdict;
    result.title = evaluation.title;
    result.explanation = evaluation.explanation;
    result.details = evaluation.details;
    if (snapshot.adapterWatts)
        result.adapterWatts = QStringLiteral("%1 W").arg(*snapshot.adapterWatts);
    result.charge = snapshot.chargePercent ? QStringLiteral("%1 %").arg(*snapshot.chargePercent) : QStringLiteral("–");
    result.source = snapshot.externalConnected ? QStringLiteral("Erkannt") : QStringLiteral("Nein");
    if (evaluation.verdict == CustomerVerdict::Problem) {
        result.usbCRepairPage = usbCRepairURL(family);
        result.magSafeRepairPage = RepairPages::magSafe();
    }
    return result;
}
