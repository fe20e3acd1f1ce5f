#include "system/TemperatureSummaryText.h"

#include "machine/FormatOneDecimal.h"

#include <QStringList>

QString temperatureSummaryText(const ThermalReport &report)
{
    QStringList lines {QStringLiteral("Quarzlinde Health Check – Temperatursensoren"),
                       QStringLiteral("Quelle: ") + report.sourceDescription,
                       QStringLiteral("macOS Thermal State: ") + rawValue(report.systemThermalState)};
    for (const TemperatureSensor &sensor : report.sensors) {
        lines << QStringLiteral("%1 | %2 | Ø %3 °C | max %4 °C | Samples %5")
                     .arg(sensor.key, sensor.name, formatOneDecimal(sensor.temperatureCelsius),
                          formatOneDecimal(sensor.peakCelsius), QString::number(sensor.sampleCount));
    }
    return lines.join(QLatin1Char('\n'));
}
