#include "battery/BatteryResult.h"

#include "battery/BatteryVerdictLook.h"
#include "machine/MacBookFamily.h"
#include "machine/RepairPages.h"

BatteryResult batteryResult(const BatterySnapshot &snapshot, const BatteryEvaluation &evaluation)
{
    BatteryResult result;
    result.subtitle = displayName(snapshot.family) + QStringLiteral(" · ") + snapshot.modelIdentifier;
    result.look = verdictLook(evaluation.verdict);
    result.explanation = evaluation.explanation;
    result.metrics = batteryMetrics(snapshot, result.look.tint);
    const bool due = evaluation.verdict == BatteryVerdict::soon || evaluation.verdict == BatteryVerdict::replace;
    if (due)
        result.repairPage = batteryRepairURL(snapshot.family).value_or(QUrl());
    return result;
}
