#pragma once

#include "platform/BatteryService.h"

// The first "AppleSmartBattery" service in the I/O registry.
class MacBatteryService : public BatteryService
{
public:
    std::optional<QVariantMap> properties(const QStringList &keys) const override;
};
