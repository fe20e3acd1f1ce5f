#include "storage/StorageResult.h"

#include "machine/RepairPages.h"

namespace {

QString speedText(const std::optional<double> &speed)
{
    return speed ? formatMBps(*speed) : QStringLiteral("Nicht verfügbar");
}

} // namespace

StorageResult storageResult(const StorageSnapshot &snapshot, const StorageEvaluation &evaluation, const QLocale &locale)
{
    StorageResult result;
    result.verdict = evaluation.verdict;
    result.title = evaluation.title;
    result.explanation = evaluation.explanation;
    result.details = storageDetailLines(snapshot, locale);
    result.writeSpeed = speedText(snapshot.writeMBps);
    result.readSpeed = speedText(snapshot.readMBps);
    if (evaluation.needsHardwareDiagnosis)
        result.diagnosisPage = RepairPages::diagnosisEstimate();
    return result;
}
