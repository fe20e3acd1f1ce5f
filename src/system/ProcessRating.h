#pragma once

#include "system/ProcessCPURecord.h"
#include "system/ProcessLoadVerdict.h"

// How strongly one process loads the processor: good, elevated or heavy. The
// limits depend on the kind of process and, for processes outside the
// system, on whether the Mac runs on battery. Applications are never rated.
ProcessLoadVerdict rateProcess(const ProcessCPURecord &record, bool onBattery);
