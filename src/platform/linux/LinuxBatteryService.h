#pragma once

#include "platform/BatteryService.h"

#include <QString>

// The first system battery in /sys/class/power_supply, described with the
// battery service's keys, units (mAh, mV, mA, charge in percent of 100,
// temperature in tenths of a kelvin) and condition words.
class LinuxBatteryService : public BatteryService
{
public:
    explicit LinuxBatteryService(QString root = QStringLiteral("/"));
    std::optional<QVariantMap> properties(const QStringList &keys) const override;

private:
    QString m_root;
};
