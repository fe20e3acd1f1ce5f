// Declaration shim: registry plane names.
#pragma once

#define kIOServicePlane "IOService"
