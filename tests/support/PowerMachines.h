#pragma once

#include "support/FakePlatform.h"

// Simulated Macs for the charger check, one per verdict.
namespace PowerMachines {
// MacBook Pro charging at 62 % from a 96 W adapter that reports 94 W: good.
SimulatedMachine chargingPro();
// MacBook Air at 96 %, plugged in, not charging: notice.
SimulatedMachine fullAir();
// MacBook Air at 41 %, plugged in, not charging: problem.
SimulatedMachine stalledAir();
// MacBook Pro running on battery: unavailable.
SimulatedMachine unpluggedPro();
} // namespace PowerMachines
