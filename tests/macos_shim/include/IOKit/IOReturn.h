// Declaration shim: IOKit's return codes.
#pragma once

#include <mach/mach_types.h>

typedef kern_return_t IOReturn;

#define kIOReturnSuccess KERN_SUCCESS
#define kIOReturnError ((IOReturn)0xe00002bc)
#define kIOReturnNotPrivileged ((IOReturn)0xe00002c1)
#define kIOReturnBadArgument ((IOReturn)0xe00002c2)
#define kIOReturnUnsupported ((IOReturn)0xe00002c7)
