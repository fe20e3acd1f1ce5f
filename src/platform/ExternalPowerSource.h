#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

// The operating system's power sources in their own words: the providing
// source's type ("AC Power", "Battery Power") and the connected adapter's
// details dictionary.
class ExternalPowerSource
{
public:
    virtual ~ExternalPowerSource() = default;
    // None when the power sources cannot be read.
    virtual std::optional<QString> providingType() const = 0;
    // None while no adapter is connected.
    virtual std::optional<QVariantMap> adapterDetails() const = 0;
};
