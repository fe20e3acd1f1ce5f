#pragma once

#include "machine/BatterySnapshot.h"
#include "ui/MetricCard.h"

#include <optional>

// The six measured values of the battery result, in the grid's order.
struct BatteryMetrics
{
    Q_GADGET
    QML_VALUE_TYPE(batteryMetrics)
    Q_PROPERTY(MetricCard health MEMBER health CONSTANT)
    Q_PROPERTY(MetricCard cycles MEMBER cycles CONSTANT)
    Q_PROPERTY(MetricCard condition MEMBER condition CONSTANT)
    Q_PROPERTY(MetricCard fullCharge MEMBER fullCharge CONSTANT)
    Q_PROPERTY(MetricCard design MEMBER design CONSTANT)
    Q_PROPERTY(MetricCard charge MEMBER charge CONSTANT)

public:
    MetricCard health;
    MetricCard cycles;
    MetricCard condition;
    MetricCard fullCharge;
    MetricCard design;
    MetricCard charge;

    bool operator==(const BatteryMetrics &) const = default;
};

// Numbers in the user's locale; the health card wears the verdict's tint.
BatteryMetrics batteryMetrics(const BatterySnapshot &snapshot, Tint verdictTint);

// Past 800 cycles a battery is worn; from 500 on it is ageing.
Tint cycleTint(std::optional<qint64> cycleCount);
// Alarming when the condition speaks of service or replacement.
Tint conditionTint(const std::optional<QString> &condition);
