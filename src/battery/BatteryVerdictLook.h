#pragma once

#include "battery/BatteryEvaluation.h"
#include "ui/VerdictLook.h"

// The battery verdict card's title, symbol and tint.
VerdictLook verdictLook(BatteryVerdict verdict);
