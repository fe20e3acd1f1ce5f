#pragma once

// Where the machine draws its power from right now, as the operating system
// says: an adapter (or no battery at all, as on a desktop), or its battery.
enum class ProvidingPowerSource { unknown, ac, battery };

class PowerSource
{
public:
    virtual ~PowerSource() = default;
    virtual ProvidingPowerSource providingSource() const = 0;
};
