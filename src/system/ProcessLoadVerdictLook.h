#pragma once

#include "system/ProcessLoadVerdict.h"
#include "ui/VerdictLook.h"

// The load card's look; its title is the verdict's label.
VerdictLook verdictLook(ProcessLoadVerdict verdict);
