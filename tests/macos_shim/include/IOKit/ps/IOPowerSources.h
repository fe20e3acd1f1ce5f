// Declaration shim: the power-source calls this project makes, declared as
// the macOS SDK declares them.
#pragma once

#include <CoreFoundation/CoreFoundation.h>

#ifdef __cplusplus
extern "C" {
#endif

#define kIOPMUPSPowerKey "UPS Power"
#define kIOPMBatteryPowerKey "Battery Power"
#define kIOPMACPowerKey "AC Power"

// Caller releases; NULL on error.
CFTypeRef IOPSCopyPowerSourcesInfo(void);
// Owned by the snapshot: not released by the caller.
CFStringRef IOPSGetProvidingPowerSourceType(CFTypeRef snapshot);
// Caller releases; NULL when no adapter is connected.
CFDictionaryRef IOPSCopyExternalPowerAdapterDetails(void);

#ifdef __cplusplus
}
#endif
