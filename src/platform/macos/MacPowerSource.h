#pragma once

#include "platform/PowerSource.h"

#include <QString>

// The providing power source of the power-source information.
class MacPowerSource : public PowerSource
{
public:
    ProvidingPowerSource providingSource() const override;
};

// A providing power source type ("AC Power", "Battery Power", "UPS Power").
ProvidingPowerSource providingPowerSource(const QString &type);
