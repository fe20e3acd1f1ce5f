#pragma once

#include "support/FakePlatform.h"

// Simulated Macs for the temperature and system check.
namespace SystemMachines {
// MacBook Air on its charger: cool sensors, nominal state, light background load.
SimulatedMachine coolAir();
// MacBook Pro on battery: a CPU past the cleaning limit, a warm battery and a
// backup daemon keeping more than a core busy.
SimulatedMachine overheatedPro();
// A MacBook whose SMC cannot be read; only the operating system's state counts.
SimulatedMachine withoutSmc();
// A MacBook Air whose model identifier, battery condition, busiest background
// process and warmest sensor are named in markup.
SimulatedMachine markup();
} // namespace SystemMachines
