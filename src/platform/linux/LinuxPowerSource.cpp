#include "platform/linux/LinuxPowerSource.h"

#include "platform/linux/PowerSupplies.h"

LinuxPowerSource::LinuxPowerSource(QString root)
    : m_root(std::move(root))
{
}

ProvidingPowerSource LinuxPowerSource::providingSource() const
{
    const auto supplies = powerSupplies(m_root);
    if (!supplies)
        return ProvidingPowerSource::unknown;
    const auto battery = internalBattery(*supplies);
    if (!battery)
        return ProvidingPowerSource::ac;
    const auto connected = externalPowerConnected(*supplies, battery->text("status"));
    if (!connected)
        return ProvidingPowerSource::unknown;
    return *connected ? ProvidingPowerSource::ac : ProvidingPowerSource::battery;
}
