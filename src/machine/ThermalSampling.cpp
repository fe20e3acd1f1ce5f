#include "machine/ThermalSampling.h"

#include "machine/SensorCatalogue.h"
#include "platform/smc/SmcAccess.h"
#include "platform/smc/SmcLineParsers.h"

#include <QMap>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>

namespace {

constexpr std::int32_t temperatureBufferSize = 65536;
const QString batteryKey = QStringLiteral("BATT");

bool isInteger(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return true;
    default: return false;
    }
}

// Only a number is a temperature; a text that happens to hold digits is not.
std::optional<double> numberProperty(const QVariant &value)
{
    if (isInteger(value) || value.typeId() == QMetaType::Double)
        return value.toDouble();
    return std::nullopt;
}

std::chrono::milliseconds pause(double seconds)
{
    if (!(seconds > 0.0))
        return std::chrono::milliseconds(0);
    return std::chrono::milliseconds(std::llround(std::min(seconds, 3600.0) * 1000.0));
}

std::optional<TemperatureSensor> summarise(const QString &key, const QList<double> &values)
{
    double sum = 0;
    double peak = values.first();
    for (double value : values) {
        sum += value;
        peak = std::max(peak, value);
    }
    const double average = sum / double(values.size());
    if (!std::isfinite(average) || !std::isfinite(peak) || average < 1.0 || average > 125.0)
        return std::nullopt;
    const ThermalSensorCategory category = sensorCategory(key);
    return TemperatureSensor {key, sensorDisplayName(key, category), category, average, peak, int(values.size())};
}

bool reportOrder(const TemperatureSensor &a, const TemperatureSensor &b)
{
    if (a.category != b.category)
        return a.category < b.category;
    if (a.temperatureCelsius != b.temperatureCelsius)
        return a.temperatureCelsius > b.temperatureCelsius;
    return a.key < b.key;
}

} // namespace

QList<RawTemperatureSample> readSMCTemperatureSamples(const SmcTransport &smc)
{
    // Too large for a worker thread's stack.
    const auto buffer = std::make_unique<char[]>(temperatureBufferSize);
    if (smc_copy_temperature_lines(smc, buffer.get(), temperatureBufferSize) < 1)
        return {};
    return parseTemperatureLines(buffer.get());
}

std::optional<double> readBatteryTemperature(const BatteryService &battery)
{
    const QString property = QStringLiteral("Temperature");
    const auto properties = battery.properties({property});
    if (!properties)
        return std::nullopt;
    const auto raw = numberProperty(properties->value(property));
    if (!raw)
        return std::nullopt;
    double celsius = *raw;
    if (celsius > 2000.0 && celsius < 4000.0)
        celsius = celsius / 10.0 - 273.15;
    else if (celsius > 200.0 && celsius < 1000.0)
        celsius = celsius / 10.0;
    if (!std::isfinite(celsius) || celsius <= 0.0 || celsius >= 100.0)
        return std::nullopt;
    return celsius;
}

ThermalReport readThermalReport(const Platform &platform, const Sleeper &sleeper, int sampleCount, double interval)
{
    const int rounds = std::clamp(sampleCount, 1, 10);
    QMap<QString, QList<double>> values;
    bool smcDelivered = false;
    for (int round = 0; round < rounds; ++round) {
        const QList<RawTemperatureSample> samples = readSMCTemperatureSamples(*platform.smcTransport);
        for (const RawTemperatureSample &sample : samples)
            values[sample.key].append(sample.temperature);
        smcDelivered = smcDelivered || !samples.isEmpty();
        if (const auto battery = readBatteryTemperature(*platform.batteryService))
            values[batteryKey].append(*battery);
        if (round < rounds - 1)
            sleeper.sleep(pause(interval));
    }

    ThermalReport report;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (const auto sensor = summarise(it.key(), it.value()))
            report.sensors.append(*sensor);
    }
    std::sort(report.sensors.begin(), report.sensors.end(), reportOrder);
    report.systemThermalState = systemThermalState(platform.thermalState->thermalState());
    if (smcDelivered)
        report.sourceDescription = QStringLiteral("Apple SMC + macOS Thermal State");
    else if (report.sensors.isEmpty())
        report.sourceDescription = QStringLiteral("macOS Thermal State");
    else
        report.sourceDescription = QStringLiteral("AppleSmartBattery + macOS Thermal State");
    return report;
}
