#pragma once

#include <QStringList>
#include <QVariantMap>

#include <optional>

// The properties of the first battery driver service, limited to the keys
// asked for; none when the machine has no such service.
class BatteryService
{
public:
    virtual ~BatteryService() = default;
    virtual std::optional<QVariantMap> properties(const QStringList &keys) const = 0;
};
