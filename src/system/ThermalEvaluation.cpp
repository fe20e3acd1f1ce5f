#include "system/ThermalEvaluation.h"

#include "machine/FormatOneDecimal.h"

namespace {

constexpr qsizetype maximumReasons = 8;

} // namespace

ThermalLimits thermalLimits(ThermalSensorCategory category)
{
    switch (category) {
    case ThermalSensorCategory::cpu:
    case ThermalSensorCategory::gpu: return {85, 95};
    case ThermalSensorCategory::battery: return {40, 45};
    case ThermalSensorCategory::storage: return {60, 70};
    case ThermalSensorCategory::memory:
    case ThermalSensorCategory::system:
    case ThermalSensorCategory::other: break;
    }
    return {80, 90};
}

namespace {

QString explanation(ThermalVerdict verdict)
{
    switch (verdict) {
    case ThermalVerdict::good:
        return QStringLiteral("Die gelesenen Temperaturen und der macOS-Thermalstatus sind während der Messung "
                              "unauffällig. Eine Reinigung wird aufgrund dieser Messung nicht empfohlen.");
    case ThermalVerdict::elevated:
        return QStringLiteral("Mindestens ein Temperaturwert ist erhöht. Hohe Last kann das kurzfristig "
                              "verursachen. Beende rechenintensive Aufgaben und wiederhole den Check; bleiben die "
                              "Werte hoch, sollte die Kühlung geprüft werden.");
    case ThermalVerdict::cleaningNeeded:
        return QStringLiteral("Mindestens ein Temperaturwert liegt über der Quarzlinde-Prüfgrenze oder macOS "
                              "meldet starken thermischen Druck. Die Kühlung und Luftwege sollten geprüft und das "
                              "Gerät bei Bedarf gereinigt werden.");
    case ThermalVerdict::unavailable: break;
    }
    return QStringLiteral("Der Akku-Check bleibt nutzbar, die thermische Bewertung ist auf diesem Mac in dieser "
                          "Testversion jedoch nicht vollständig verfügbar.");
}

} // namespace

ThermalEvaluation evaluateThermal(const QList<TemperatureSensor> &sensors, SystemThermalState state)
{
    if (sensors.isEmpty() && state == SystemThermalState::unknown) {
        return {ThermalVerdict::unavailable,
                {QStringLiteral("Es konnten keine verwertbaren internen Temperatursensoren gelesen werden.")},
                explanation(ThermalVerdict::unavailable)};
    }

    ThermalVerdict level = ThermalVerdict::good;
    QStringList reasons;
    switch (state) {
    case SystemThermalState::nominal:
        reasons.append(QStringLiteral("Der thermische Systemzustand von macOS ist normal."));
        break;
    case SystemThermalState::fair:
        level = ThermalVerdict::elevated;
        reasons.append(QStringLiteral("macOS meldet momentan einen erhöhten thermischen Systemzustand."));
        break;
    case SystemThermalState::serious:
    case SystemThermalState::critical:
        level = ThermalVerdict::cleaningNeeded;
        reasons.append(
            QStringLiteral("macOS meldet einen stark erhöhten thermischen Systemzustand (%1).").arg(rawValue(state)));
        break;
    case SystemThermalState::unknown: break;
    }

    for (const TemperatureSensor &sensor : sensors) {
        const ThermalLimits limit = thermalLimits(sensor.category);
        const double celsius = sensor.temperatureCelsius;
        if (celsius >= limit.cleaning) {
            level = ThermalVerdict::cleaningNeeded;
            reasons.append(QStringLiteral("%1 liegt mit %2 °C über der Quarzlinde-Prüfgrenze von %3 °C.")
                               .arg(sensor.name, formatOneDecimal(celsius), QString::number(limit.cleaning)));
        } else if (celsius >= limit.elevated) {
            if (level != ThermalVerdict::cleaningNeeded)
                level = ThermalVerdict::elevated;
            reasons.append(QStringLiteral("%1 ist mit %2 °C erhöht.").arg(sensor.name, formatOneDecimal(celsius)));
        }
    }

    if (reasons.size() == 1 && state == SystemThermalState::nominal) {
        if (const auto hottest = hottestSensor(sensors)) {
            reasons.append(QStringLiteral("Der wärmste gelesene Sensor liegt bei %1 °C (%2).")
                               .arg(formatOneDecimal(hottest->temperatureCelsius), hottest->name));
        }
    }
    return {level, reasons.first(std::min(reasons.size(), maximumReasons)), explanation(level)};
}
