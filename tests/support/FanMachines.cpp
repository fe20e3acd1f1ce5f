#include "support/FanMachines.h"

#include "platform/smc/SmcValueEncoding.h"
#include "support/BatteryMachines.h"
#include "support/FakeSmc.h"

namespace {

QByteArray fanKey(int fan, const char *suffix)
{
    return "F" + QByteArray::number(fan) + suffix;
}

SmcKey fpe2Key(const char *key, double rpm)
{
    return smcKey(key, "fpe2", smcEncodeFpe2(rpm).value());
}

// Intel Macs keep their fan speeds as fpe2 and count their fans in FNum.
QList<SmcKey> intelFans(std::initializer_list<double> speeds)
{
    QList<SmcKey> keys {smcKey("FNum", "ui8 ", QByteArray(1, char(speeds.size())))};
    int fan = 0;
    for (double speed : speeds) {
        keys.append(fpe2Key(fanKey(fan, "Ac").constData(), speed));
        keys.append(fpe2Key(fanKey(fan, "Mn").constData(), 1200));
        keys.append(fpe2Key(fanKey(fan, "Mx").constData(), 5600));
        keys.append(fpe2Key(fanKey(fan, "Tg").constData(), speed));
        ++fan;
    }
    return keys;
}

SimulatedMachine pro(std::initializer_list<double> fanSpeeds, double cpuCelsius, qint64 thermalState)
{
    SimulatedMachine machine = BatteryMachines::agingPro();
    machine.smcKeys = intelFans(fanSpeeds);
    machine.smcKeys +=
        {sp78Key("TB0T", 34.0), sp78Key("TC0P", cpuCelsius), sp78Key("TG0P", cpuCelsius - 6.0), sp78Key("TH0P", 41.0)};
    machine.thermalState = thermalState;
    return machine;
}

} // namespace

namespace FanMachines {

QList<SmcKey> fanKeys(int fan, double actualRPM)
{
    return {floatKey(fanKey(fan, "Ac").constData(), float(actualRPM)), floatKey(fanKey(fan, "Mn").constData(), 1000.0f),
            floatKey(fanKey(fan, "Mx").constData(), 6000.0f),
            floatKey(fanKey(fan, "Tg").constData(), float(actualRPM))};
}

SimulatedMachine twoFanPro()
{
    return pro({2190, 2010}, 58.0, 0);
}

SimulatedMachine hotTwoFanPro()
{
    return pro({5480, 5210}, 93.5, 1);
}

SimulatedMachine stalledTwoFanPro()
{
    return pro({0, 0}, 96.0, 2);
}

SimulatedMachine fanlessAir()
{
    SimulatedMachine machine = BatteryMachines::healthyAir();
    machine.smcKeys = {sp78Key("TB0T", 29.5), sp78Key("Tp09", 45.0), sp78Key("Tg05", 41.5)};
    machine.thermalState = 0;
    return machine;
}

SimulatedMachine desktop()
{
    SimulatedMachine machine = BatteryMachines::desktop();
    machine.smcKeys = fanKeys(0, 1800);
    machine.smcKeys += {sp78Key("TC0P", 52.5), sp78Key("TG0P", 47.0)};
    machine.thermalState = 0;
    return machine;
}

} // namespace FanMachines
