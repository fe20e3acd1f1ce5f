#include "system/SystemResult.h"

#include "machine/RepairPages.h"
#include "system/ProcessLoadVerdictLook.h"
#include "system/ThermalVerdictLook.h"

SystemResult systemResult(const ThermalReport &thermalReport, const ThermalEvaluation &thermalEvaluation,
                          const ProcessLoadReport &processReport, const ProcessLoadEvaluation &processEvaluation,
                          bool onBattery)
{
    SystemResult result;
    result.thermalLook = verdictLook(thermalEvaluation.verdict);
    result.thermalExplanation = thermalEvaluation.explanation;
    result.loadLook = verdictLook(processEvaluation.verdict);
    result.loadExplanation = processEvaluation.explanation;
    if (thermalEvaluation.verdict == ThermalVerdict::cleaningNeeded)
        result.cleaningPage = RepairPages::cleaning();
    result.temperatures = temperatureOverview(thermalReport);
    result.processes = processLoadOverview(processReport, processEvaluation, onBattery);
    return result;
}
