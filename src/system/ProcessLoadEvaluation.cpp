#include "system/ProcessLoadEvaluation.h"

#include "machine/FormatOneDecimal.h"
#include "system/ProcessRating.h"

#include <algorithm>

namespace {

constexpr double relevantAverage = 12.0;
constexpr double relevantPeak = 35.0;
constexpr qsizetype maximumReasons = 5;
constexpr qsizetype maximumFlagged = 6;
constexpr qsizetype maximumRelevant = 12;

struct FlaggedProcess
{
    ProcessCPURecord record;
    ProcessLoadVerdict rating;
};

// Short measurements cannot demand much presence; longer ones need a process
// in at least half of the rounds.
int minimumPresence(int sampleCount)
{
    return sampleCount > 3 ? sampleCount / 2 : 2;
}

QString reason(const ProcessCPURecord &record)
{
    if (record.name.toLower() == QLatin1String("kernel_task"))
        return QStringLiteral("kernel_task ist stark aktiv. Das ist häufig ein thermisches Schutzsignal von macOS und "
                              "nicht der eigentliche Verursacher.");
    if (record.specialNote)
        return QStringLiteral("%1 erzeugt anhaltend relevante CPU-Last (Ø %2 %). %3.")
            .arg(record.name, formatOneDecimal(record.averageCPUPercent), *record.specialNote);
    return QStringLiteral("%1 erzeugt anhaltend relevante CPU-Last (Ø %2 %, Spitze %3 %).")
        .arg(record.name, formatOneDecimal(record.averageCPUPercent), formatOneDecimal(record.peakCPUPercent));
}

QString explanation(ProcessLoadVerdict verdict, bool onBattery)
{
    switch (verdict) {
    case ProcessLoadVerdict::good:
        return QStringLiteral(
            "Es wurde kein Hintergrund- oder Systemprozess mit dauerhaft hoher, für Akku oder Thermik "
            "relevanter CPU-Last erkannt. Normale Benutzer-Apps werden hier bewusst nicht bewertet.");
    case ProcessLoadVerdict::elevated:
        return onBattery ? QStringLiteral("Mindestens ein Hintergrund- oder Systemprozess erzeugt anhaltende CPU-Last, "
                                          "die auf Akkubetrieb Laufzeit kosten und zusätzliche Wärme erzeugen kann.")
                         : QStringLiteral("Mindestens ein Hintergrund- oder Systemprozess erzeugt anhaltende CPU-Last, "
                                          "die zusätzliche Wärme oder unnötige Systemlast verursachen kann.");
    case ProcessLoadVerdict::heavy:
        return onBattery ? QStringLiteral("Mindestens ein Hintergrund- oder Systemprozess belastet die CPU dauerhaft "
                                          "sehr stark. Das kann Akkulaufzeit, Temperatur und Systemleistung deutlich "
                                          "beeinflussen.")
                         : QStringLiteral("Mindestens ein Hintergrund- oder Systemprozess belastet die CPU dauerhaft "
                                          "sehr stark. Das kann Temperatur und Systemleistung deutlich beeinflussen.");
    case ProcessLoadVerdict::unavailable: break;
    }
    return QStringLiteral("Akku- und Temperaturdiagnose bleiben nutzbar. Die Hintergrundlast konnte in dieser Messung "
                          "jedoch nicht ausgewertet werden.");
}

} // namespace

ProcessLoadEvaluation evaluateProcessLoad(const ProcessLoadReport &report, bool onBattery)
{
    ProcessLoadEvaluation evaluation;
    if (report.processes.isEmpty()) {
        evaluation.reasons = {QStringLiteral("Die laufenden Prozesse konnten nicht zuverlässig ausgewertet werden.")};
        evaluation.explanation = explanation(ProcessLoadVerdict::unavailable, onBattery);
        return evaluation;
    }

    const int presence = minimumPresence(report.sampleCount);
    QList<ProcessCPURecord> relevant;
    QList<FlaggedProcess> flagged;
    for (const ProcessCPURecord &record : report.processes) {
        if (record.sampleCount < presence || record.origin == ProcessOrigin::application ||
            (record.averageCPUPercent < relevantAverage && record.peakCPUPercent < relevantPeak))
            continue;
        relevant.append(record);
        const ProcessLoadVerdict rating = rateProcess(record, onBattery);
        if (rating != ProcessLoadVerdict::good)
            flagged.append({record, rating});
    }
    std::stable_sort(flagged.begin(), flagged.end(), [](const FlaggedProcess &a, const FlaggedProcess &b) {
        if (a.rating != b.rating)
            return a.rating == ProcessLoadVerdict::heavy;
        return a.record.averageCPUPercent > b.record.averageCPUPercent;
    });

    evaluation.verdict = flagged.isEmpty() ? ProcessLoadVerdict::good : flagged.first().rating;
    for (const FlaggedProcess &process : flagged) {
        if (evaluation.reasons.size() < maximumReasons)
            evaluation.reasons.append(reason(process.record));
        if (evaluation.flaggedProcesses.size() < maximumFlagged)
            evaluation.flaggedProcesses.append(process.record);
    }
    evaluation.relevantProcesses = relevant.mid(0, maximumRelevant);
    evaluation.explanation = explanation(evaluation.verdict, onBattery);
    return evaluation;
}
