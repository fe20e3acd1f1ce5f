#pragma once

#include "support/FakePlatform.h"

// Simulated Macs for the battery check, one per verdict and one without a battery.
namespace BatteryMachines {
// MacBook Air, 96.0 % health, 112 cycles, charging: good.
SimulatedMachine healthyAir();
// MacBook Pro, 84 % health, 612 cycles: soon.
SimulatedMachine agingPro();
// Old MacBook Pro, 74 % health, 1043 cycles, "Service Recommended": replace.
SimulatedMachine wornOutPro();
// A MacBook that reports only its charge level: unavailable.
SimulatedMachine sparseAir();
// A MacBook without a battery page of its own, worn out: replace.
SimulatedMachine wornOutMacBook();
// A desktop Mac: no battery at all.
SimulatedMachine desktop();
} // namespace BatteryMachines
