#pragma once

#include "support/FakeTree.h"

// Where applesmc keeps its files, relative to the root.
inline constexpr char applesmcDirectory[] = "sys/devices/platform/applesmc.768";

// applesmc of a MacBookPro11,3 with the key values it was seen with: ten
// temperature channels (the -127 °C sentinel among them) and one fan.
void addIntelMacBookProApplesmc(const FakeTree &tree);
