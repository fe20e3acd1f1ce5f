#pragma once

#include <QString>

#include <optional>

// What the Mac says about its power supply right now. Adapter values are
// the adapter's own report; none is ever estimated.
struct PowerSnapshot
{
    bool externalConnected = false;
    bool isCharging = false;
    std::optional<qint64> chargePercent;
    std::optional<qint64> adapterWatts;
    std::optional<qint64> adapterVoltageMV;
    std::optional<qint64> adapterCurrentMA;
    std::optional<QString> adapterName;
    std::optional<qint64> batteryVoltageMV;
    std::optional<qint64> batteryAmperageMA;

    bool operator==(const PowerSnapshot &) const = default;
};
