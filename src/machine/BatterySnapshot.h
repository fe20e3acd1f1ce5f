#pragma once

#include "machine/MacBookFamily.h"

#include <QString>

#include <optional>

// What the system knows about the battery and the Mac it sits in.
struct BatterySnapshot
{
    QString modelName;
    QString modelIdentifier;
    MacBookFamily family = MacBookFamily::unsupported;
    std::optional<double> healthPercent;
    std::optional<qint64> cycleCount;
    std::optional<qint64> fullChargeCapacityMAh;
    std::optional<qint64> designCapacityMAh;
    std::optional<qint64> chargePercent;
    std::optional<QString> macOSCondition;
    std::optional<bool> isCharging;
    std::optional<bool> externalPowerConnected;

    bool operator==(const BatterySnapshot &) const = default;
};
