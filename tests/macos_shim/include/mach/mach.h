// Declaration shim: the Mach umbrella header, as far as this project needs it.
#pragma once

#include <mach/mach_init.h>
#include <mach/mach_types.h>
