#pragma once

#include "platform/ThermalStateSource.h"

// Always reports the same thermal state, or none.
class FixedThermalState : public ThermalStateSource
{
public:
    explicit FixedThermalState(std::optional<qint64> state = std::nullopt)
        : m_state(state)
    {
    }
    std::optional<qint64> thermalState() const override { return m_state; }

private:
    std::optional<qint64> m_state;
};
