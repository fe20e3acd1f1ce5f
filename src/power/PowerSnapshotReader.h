#pragma once

#include "machine/BatterySnapshot.h"
#include "platform/Platform.h"
#include "power/PowerSnapshot.h"

#include <QStringList>
#include <QVariantMap>

// The battery controller's keys the charger check reads besides the battery
// reader's values.
const QStringList &powerRegistryKeys();

// Merges the battery reader's flags and charge with the controller's entry
// (empty when there is none): the reader's values win, the entry fills in.
PowerSnapshot powerSnapshot(const BatterySnapshot &battery, const QVariantMap &registry);

struct PowerReading
{
    PowerSnapshot snapshot;
    // Picks the USB-C repair page.
    MacBookFamily family = MacBookFamily::unsupported;
};

// Blocks for the battery reader (up to 10 s); throws its BatteryReaderError.
PowerReading readPowerSnapshot(const Platform &platform);
