#include "fans/FanDiagnosticResult.h"

#include "machine/FormatOneDecimal.h"
#include "machine/RepairPages.h"

#include <cmath>

QStringList FanDiagnosticResult::details() const
{
    return fanDetailLines(*this);
}

QUrl FanDiagnosticResult::cleaningPage() const
{
    return RepairPages::cleaning();
}

QStringList fanDetailLines(const FanDiagnosticResult &result)
{
    QStringList lines;
    for (const FanReading &fan : result.fans) {
        // llround takes halves away from zero; speeds stay plain digits, as the SMC gives them.
        lines.append(QStringLiteral("Lüfter %1: %2 RPM").arg(qint64(fan.id) + 1).arg(std::llround(fan.actualRPM)));
    }
    if (result.hottestTemperature)
        lines.append(QStringLiteral("Wärmster Sensor: ") + formatCelsius(*result.hottestTemperature));
    else if (lines.isEmpty())
        lines.append(QStringLiteral("Keine Lüfterdrehzahl verfügbar"));
    return lines;
}
