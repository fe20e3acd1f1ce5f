#include "support/BatteryMachines.h"

namespace {

struct Battery
{
    qint64 design;
    qint64 fullCharge;
    qint64 cycles;
    qint64 chargePercent;
    bool charging;
    bool externalPower;
    const char *condition;
};

SimulatedMachine machine(const char *identifier, const Battery &battery)
{
    SimulatedMachine simulated;
    simulated.hwModel = QString::fromLatin1(identifier);
    simulated.batteryProperties = QVariantMap {
        {QStringLiteral("BatteryInstalled"), true},
        {QStringLiteral("DesignCapacity"), battery.design},
        {QStringLiteral("NominalChargeCapacity"), battery.fullCharge},
        {QStringLiteral("CycleCount"), battery.cycles},
        {QStringLiteral("CurrentCapacity"), battery.chargePercent},
        {QStringLiteral("MaxCapacity"), qint64(100)},
        {QStringLiteral("IsCharging"), battery.charging},
        {QStringLiteral("ExternalConnected"), battery.externalPower},
        {QStringLiteral("Condition"), QString::fromLatin1(battery.condition)},
    };
    simulated.powerSource = battery.externalPower ? ProvidingPowerSource::ac : ProvidingPowerSource::battery;
    return simulated;
}

} // namespace

namespace BatteryMachines {

SimulatedMachine healthyAir()
{
    return machine("MacBookAir10,1", {5103, 4899, 112, 80, true, true, "Normal"});
}
SimulatedMachine agingPro()
{
    return machine("MacBookPro16,1", {8790, 7380, 612, 64, false, false, "Normal"});
}
SimulatedMachine wornOutPro()
{
    return machine("MacBookPro11,4", {8755, 6480, 1043, 41, false, true, "Service Recommended"});
}
SimulatedMachine wornOutMacBook()
{
    return machine("MacBook6,1", {5450, 3900, 960, 52, false, false, "Service Recommended"});
}

SimulatedMachine sparseAir()
{
    SimulatedMachine simulated;
    simulated.hwModel = QStringLiteral("MacBookAir7,2");
    simulated.batteryProperties = QVariantMap {
        {QStringLiteral("BatteryInstalled"), true},
        {QStringLiteral("CurrentCapacity"), qint64(77)},
        {QStringLiteral("MaxCapacity"), qint64(100)},
    };
    return simulated;
}

SimulatedMachine desktop()
{
    SimulatedMachine simulated;
    simulated.hwModel = QStringLiteral("Macmini9,1");
    simulated.powerSource = ProvidingPowerSource::ac;
    return simulated;
}

} // namespace BatteryMachines
