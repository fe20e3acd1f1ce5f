#include "system/ProcessSummaryText.h"

#include "machine/FormatOneDecimal.h"

#include <QLocale>
#include <QStringList>

QString processSummaryText(const ProcessLoadReport &report, const ProcessLoadEvaluation &evaluation, bool onBattery)
{
    QStringList lines {
        QStringLiteral("Quarzlinde Health Check – Akku-/Hardware-relevante Hintergrundprozesse"),
        QStringLiteral("Quelle: ") + report.sourceDescription,
        QStringLiteral("Messdauer: %1 s").arg(formatOneDecimal(report.durationSeconds)),
        QStringLiteral("Status: ") + label(evaluation.verdict),
        QStringLiteral("Betrieb: ") + (onBattery ? QStringLiteral("Akku") : QStringLiteral("Netzteil")),
    };
    const QLocale locale;
    for (const ProcessCPURecord &record : evaluation.relevantProcesses) {
        lines << QStringLiteral("%1 | PID %2 | %3 | Ø CPU %4 % | Peak %5 % | RAM ~%6 MB")
                     .arg(record.name, QString::number(record.pid), label(record.origin),
                          formatOneDecimal(record.averageCPUPercent), formatOneDecimal(record.peakCPUPercent),
                          locale.toString(record.averageMemoryMB, 'f', 0));
    }
    return lines.join(QLatin1Char('\n'));
}
