#pragma once

#include "system/ThermalEvaluation.h"
#include "ui/VerdictLook.h"

// The temperature card's title, symbol and tint; the temperature panel shows
// the same title and tint as its status.
VerdictLook verdictLook(ThermalVerdict verdict);
