#pragma once

#include "platform/ThermalStateSource.h"

// The process-information service's thermal state.
class MacThermalState : public ThermalStateSource
{
public:
    std::optional<qint64> thermalState() const override;
};
