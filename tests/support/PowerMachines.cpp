#include "support/PowerMachines.h"

namespace {

SimulatedMachine machine(const char *identifier, qint64 chargePercent, bool charging, bool externalPower,
                         const QVariantMap &adapter)
{
    SimulatedMachine simulated;
    simulated.hwModel = QString::fromLatin1(identifier);
    simulated.batteryProperties = QVariantMap {
        {QStringLiteral("BatteryInstalled"), true},
        {QStringLiteral("CurrentCapacity"), chargePercent},
        {QStringLiteral("MaxCapacity"), qint64(100)},
        {QStringLiteral("IsCharging"), charging},
        {QStringLiteral("ExternalConnected"), externalPower},
        {QStringLiteral("AdapterDetails"), adapter},
        {QStringLiteral("Voltage"), qint64(12650)},
        {QStringLiteral("Amperage"), charging ? qint64(2150) : qint64(-5)},
    };
    simulated.powerSource = externalPower ? ProvidingPowerSource::ac : ProvidingPowerSource::battery;
    return simulated;
}

} // namespace

namespace PowerMachines {

SimulatedMachine chargingPro()
{
    return machine("MacBookPro18,1", 62, true, true,
                   {{QStringLiteral("Watts"), qint64(94)},
                    {QStringLiteral("Name"), QStringLiteral("96W USB-C Power Adapter")},
                    {QStringLiteral("AdapterVoltage"), qint64(20000)}});
}

SimulatedMachine fullAir()
{
    return machine("MacBookAir10,1", 96, false, true, {{QStringLiteral("Watts"), qint64(30)}});
}

SimulatedMachine stalledAir()
{
    // A third-party charger names nothing.
    return machine("MacBookAir10,1", 41, false, true, {{QStringLiteral("Watts"), qint64(27)}});
}

SimulatedMachine unpluggedPro()
{
    return machine("MacBookPro18,1", 71, false, false, {{QStringLiteral("FamilyCode"), qint64(0)}});
}

} // namespace PowerMachines
