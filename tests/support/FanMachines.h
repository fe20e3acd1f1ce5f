#pragma once

#include "support/FakePlatform.h"

// Simulated Macs for the fan check.
namespace FanMachines {
// One fan's SMC keys (its current, minimum, maximum and target speed) as
// floats, the form of newer Macs.
QList<SmcKey> fanKeys(int fan, double actualRPM);

// Intel MacBook Pro with two fans.
// Idle: fans at their minimum, CPU at 58 °C: good.
SimulatedMachine twoFanPro();
// Under load: fans near their maximum, CPU at 93.5 °C: notice.
SimulatedMachine hotTwoFanPro();
// Fans that stand still while the CPU reaches 96 °C: problem.
SimulatedMachine stalledTwoFanPro();
// Fanless MacBook Air, nominal, warmest sensor 45 °C: unavailable.
SimulatedMachine fanlessAir();
// A desktop Mac with one fan, no fan count and no battery: good.
SimulatedMachine desktop();
} // namespace FanMachines
