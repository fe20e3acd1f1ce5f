#pragma once

#include "machine/BatteryReaderError.h"
#include "machine/BatterySnapshot.h"
#include "platform/Platform.h"

#include <QStringList>

// Gathers the battery values from the battery service and the hardware
// overview and merges them field by field. Blocks for as long as the overview
// takes (up to 10 s); keeps no state between reads.
class BatteryReader
{
public:
    explicit BatteryReader(Platform platform);

    // Throws BatteryReaderError when no battery was found at all.
    BatterySnapshot read() const;

    static const QStringList &registryKeys();

private:
    Platform m_platform;
};
