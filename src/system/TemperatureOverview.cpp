#include "system/TemperatureOverview.h"

#include "machine/FormatOneDecimal.h"
#include "system/SensorTint.h"

#include <algorithm>
#include <array>

namespace {

TemperatureCard card(ThermalSensorCategory category, const QList<TemperatureSensor> &sensors)
{
    QList<TemperatureSensor> ofCategory;
    std::copy_if(sensors.begin(), sensors.end(), std::back_inserter(ofCategory),
                 [category](const TemperatureSensor &sensor) { return sensor.category == category; });
    const std::optional<TemperatureSensor> hottest = hottestSensor(ofCategory);
    if (!hottest)
        return {rawValue(category), QStringLiteral("–"), QStringLiteral("Kein Sensor"), Tint::Neutral};
    return {rawValue(category), formatCelsius(hottest->temperatureCelsius),
            QStringLiteral("Spitze ") + formatCelsius(hottest->peakCelsius), sensorTint(hottest)};
}

} // namespace

TemperatureOverview temperatureOverview(const ThermalReport &report)
{
    TemperatureOverview overview;
    overview.thermalState = rawValue(report.systemThermalState);

    constexpr std::array shownCategories {ThermalSensorCategory::cpu, ThermalSensorCategory::gpu,
                                          ThermalSensorCategory::battery, ThermalSensorCategory::storage};
    for (ThermalSensorCategory category : shownCategories)
        overview.cards.append(card(category, report.sensors));

    if (const auto hottest = hottestSensor(report.sensors)) {
        overview.summary = QStringLiteral("Wärmster Sensor: ") + hottest->name + QStringLiteral(" · ") +
            formatCelsius(hottest->temperatureCelsius);
    } else {
        overview.summary = QStringLiteral("Auf diesem Mac konnten keine einzelnen SMC-Sensoren gelesen werden. Der "
                                          "macOS Thermal State wird trotzdem berücksichtigt.");
    }

    for (const TemperatureSensor &sensor : report.sensors) {
        overview.sensors.append({sensor.name, sensor.key + QStringLiteral(" · ") + rawValue(sensor.category),
                                 formatCelsius(sensor.temperatureCelsius)});
    }
    return overview;
}
