// Declaration shim: registry plane names.
#pragma once

#define kIOServicePlane "IOService"
#define kIOPowerPlane "IOPower"
#define kIODeviceTreePlane "IODeviceTree"
#define kIOUSBPlane "IOUSB"
