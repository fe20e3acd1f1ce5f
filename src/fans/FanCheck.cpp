#include "fans/FanCheck.h"

#include "machine/TemperatureSensor.h"
#include "machine/ThermalSampling.h"
#include "platform/smc/SmcAccess.h"
#include "platform/smc/SmcLineParsers.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::int32_t fanBufferSize = 8192;
constexpr int temperatureRounds = 2;
constexpr double temperatureInterval = 0.25;
constexpr double clearlyWarmCelsius = 90.0;
// Below this a fan barely turns.
constexpr double turningRPM = 100.0;

bool isClearlyWarm(const std::optional<double> &hottest, SystemThermalState state)
{
    if (hottest && *hottest >= clearlyWarmCelsius)
        return true;
    return state == SystemThermalState::serious || state == SystemThermalState::critical;
}

} // namespace

QList<FanReading> readFanReadings(const SmcTransport &smc)
{
    std::array<char, fanBufferSize> buffer {};
    if (smc_copy_fan_lines(smc, buffer.data(), fanBufferSize) < 1)
        return {};
    return parseFanLines(buffer.data());
}

FanDiagnosticResult computeFanResult(const Platform &platform, const Sleeper &sleeper)
{
    FanDiagnosticResult result;
    result.fans = readFanReadings(*platform.smcTransport);
    const ThermalReport report = readThermalReport(platform, sleeper, temperatureRounds, temperatureInterval);
    if (const auto hottest = hottestSensor(report.sensors))
        result.hottestTemperature = hottest->temperatureCelsius;
    const bool clearlyWarm = isClearlyWarm(result.hottestTemperature, report.systemThermalState);

    if (result.fans.isEmpty()) {
        result.verdict = CustomerVerdict::Unavailable;
        result.title = QStringLiteral("Keine Lüfterdaten verfügbar");
        result.explanation = QStringLiteral(
            "Bei lüfterlosen MacBooks ist das normal. Besitzt dein Modell einen Lüfter, konnte dessen Drehzahl in "
            "dieser Messung nicht ausgelesen werden. Die Temperaturdiagnose funktioniert unabhängig davon weiter.");
        result.cleaningRecommended = clearlyWarm;
    } else if (!clearlyWarm) {
        result.verdict = CustomerVerdict::Good;
        result.title = QStringLiteral("Lüfter & Kühlung unauffällig");
        result.explanation = QStringLiteral("Die erkannten Lüfter liefern plausible Drehzahlen und während der "
                                            "Messung bestand kein deutlicher thermischer Warnzustand.");
    } else if (std::any_of(result.fans.cbegin(), result.fans.cend(),
                           [](const FanReading &fan) { return fan.actualRPM >= turningRPM; })) {
        result.verdict = CustomerVerdict::Notice;
        result.title = QStringLiteral("Kühlung arbeitet – Temperaturen erhöht");
        result.explanation = QStringLiteral("Die Lüfter werden erkannt und laufen, die gemessenen Temperaturen sind "
                                            "aber erhöht. Eine Innen- und Kühlsystemreinigung kann sinnvoll sein.");
        result.cleaningRecommended = true;
    } else {
        result.verdict = CustomerVerdict::Problem;
        result.title = QStringLiteral("Kühlung auffällig");
        result.explanation = QStringLiteral("Das MacBook ist deutlich warm, gleichzeitig wird bei den erkannten "
                                            "Lüftern kaum Drehzahl gemeldet. Das sollte genauer geprüft werden.");
        result.cleaningRecommended = true;
    }
    return result;
}
