#include "battery/BatteryMetrics.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

const QString missing = QStringLiteral("–");

QString capacityText(std::optional<qint64> milliampereHours)
{
    return milliampereHours ? QLocale().toString(*milliampereHours) + QStringLiteral(" mAh") : missing;
}

// A reading that is not a number is as good as none.
QString healthText(std::optional<double> percent)
{
    if (!percent || !std::isfinite(*percent))
        return missing;
    return QLocale().toString(*percent, 'f', 1) + QStringLiteral(" %");
}

QString chargeSubtitle(const BatterySnapshot &snapshot)
{
    if (snapshot.isCharging == true)
        return QStringLiteral("Akku wird derzeit geladen");
    if (snapshot.externalPowerConnected == true)
        return QStringLiteral("Netzteil ist angeschlossen");
    return QStringLiteral("Momentaner Ladezustand");
}

} // namespace

Tint cycleTint(std::optional<qint64> cycleCount)
{
    if (!cycleCount)
        return Tint::Neutral;
    if (*cycleCount >= 801)
        return Tint::Problem;
    if (*cycleCount >= 500)
        return Tint::Warning;
    return Tint::Good;
}

Tint conditionTint(const std::optional<QString> &condition)
{
    if (!condition)
        return Tint::Neutral;
    const QString lowered = condition->toLower();
    const auto alarming = {"service", "warten", "austausch", "replace"};
    const bool alarm = std::any_of(alarming.begin(), alarming.end(),
                                   [&lowered](const char *word) { return lowered.contains(QLatin1String(word)); });
    return alarm ? Tint::Problem : Tint::Good;
}

BatteryMetrics batteryMetrics(const BatterySnapshot &snapshot, Tint verdictTint)
{
    BatteryMetrics metrics;
    metrics.health = {
        QStringLiteral("percent"),
        healthText(snapshot.healthPercent),
        QStringLiteral("Batteriezustand"),
        QStringLiteral("Verbleibende Gesamtkapazität"),
        verdictTint,
    };
    metrics.cycles = {
        QStringLiteral("arrow.triangle.2.circlepath"),
        snapshot.cycleCount ? QString::number(*snapshot.cycleCount) : missing,
        QStringLiteral("Ladezyklen"),
        QStringLiteral("Vollständige Ladezyklen"),
        cycleTint(snapshot.cycleCount),
    };
    metrics.condition = {
        QStringLiteral("checkmark.shield"),     snapshot.macOSCondition.value_or(QStringLiteral("Nicht verfügbar")),
        QStringLiteral("macOS Status"),         QStringLiteral("Von macOS gemeldeter Zustand"),
        conditionTint(snapshot.macOSCondition),
    };
    metrics.fullCharge = {
        QStringLiteral("battery.75"),
        capacityText(snapshot.fullChargeCapacityMAh),
        QStringLiteral("Aktuelle Kapazität"),
        QStringLiteral("Maximale Ladekapazität heute"),
        Tint::Good,
    };
    metrics.design = {
        QStringLiteral("battery.100"),
        capacityText(snapshot.designCapacityMAh),
        QStringLiteral("Ursprüngliche Kapazität"),
        QStringLiteral("Kapazität im Neuzustand"),
        Tint::Good,
    };
    metrics.charge = {
        snapshot.isCharging == true ? QStringLiteral("bolt.fill") : QStringLiteral("battery.50"),
        snapshot.chargePercent ? QString::number(*snapshot.chargePercent) + QStringLiteral(" %") : missing,
        QStringLiteral("Aktueller Ladestand"),
        chargeSubtitle(snapshot),
        Tint::Good,
    };
    return metrics;
}
