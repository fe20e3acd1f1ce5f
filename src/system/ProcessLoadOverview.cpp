#include "system/ProcessLoadOverview.h"

#include "machine/FormatOneDecimal.h"

#include <QLocale>

namespace {

FlaggedProcessRow flaggedRow(const ProcessCPURecord &process)
{
    return {
        process.name,
        label(process.origin),
        process.origin == ProcessOrigin::appleSystem ? QStringLiteral("gearshape.2") : QStringLiteral("cpu"),
        process.specialNote.value_or(QString()),
        QStringLiteral("PID %1 · ca. %2 MB RAM")
            .arg(QString::number(process.pid), QLocale().toString(process.averageMemoryMB, 'f', 0)),
        QStringLiteral("Ø ") + formatOneDecimal(process.averageCPUPercent) + QStringLiteral(" %"),
        QStringLiteral("Spitze ") + formatOneDecimal(process.peakCPUPercent) + QStringLiteral(" %"),
        flaggedProcessTint(process),
    };
}

} // namespace

Tint flaggedProcessTint(const ProcessCPURecord &process)
{
    const bool severe = process.name != QLatin1String("kernel_task") &&
        (process.averageCPUPercent >= 100.0 || process.peakCPUPercent >= 180.0);
    return severe ? Tint::Problem : Tint::Warning;
}

ProcessLoadOverview processLoadOverview(const ProcessLoadReport &report, const ProcessLoadEvaluation &evaluation,
                                        bool onBattery)
{
    ProcessLoadOverview overview;
    overview.powerSymbol = onBattery ? QStringLiteral("battery.75") : QStringLiteral("powerplug");
    overview.powerMode = onBattery ? QStringLiteral("Akkubetrieb") : QStringLiteral("Netzbetrieb");
    overview.measurement = QStringLiteral("Messdauer: %1 s · %2 Messpunkte")
                               .arg(formatOneDecimal(report.durationSeconds), QString::number(report.sampleCount));
    for (const ProcessCPURecord &process : evaluation.flaggedProcesses)
        overview.flagged.append(flaggedRow(process));
    for (const ProcessCPURecord &process : evaluation.relevantProcesses) {
        overview.relevant.append(
            {process.name, QStringLiteral("PID %1 · %2").arg(QString::number(process.pid), label(process.origin))});
    }
    return overview;
}
