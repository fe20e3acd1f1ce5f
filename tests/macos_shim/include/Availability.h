// Declaration shim: the version numbers of a macOS build, for syntax checks on Linux.
#pragma once

#define __MAC_10_0 1000
#define __MAC_10_4 1040
#define __MAC_10_5 1050
#define __MAC_10_6 1060
#define __MAC_10_7 1070
#define __MAC_10_8 1080
#define __MAC_10_9 1090
#define __MAC_10_10 101000
#define __MAC_10_11 101100
#define __MAC_10_12 101200
#define __MAC_10_13 101300
#define __MAC_10_14 101400
#define __MAC_10_15 101500
#define __MAC_10_16 101600
#define __MAC_11_0 110000
#define __MAC_12_0 120000
#define __MAC_13_0 130000
#define __MAC_14_0 140000
#define __MAC_15_0 150000

#ifdef __ENVIRONMENT_MAC_OS_X_VERSION_MIN_REQUIRED__
#define __MAC_OS_X_VERSION_MIN_REQUIRED __ENVIRONMENT_MAC_OS_X_VERSION_MIN_REQUIRED__
#else
#define __MAC_OS_X_VERSION_MIN_REQUIRED __MAC_12_0
#endif
#define __MAC_OS_X_VERSION_MAX_ALLOWED __MAC_15_0

#define __OSX_AVAILABLE_STARTING(_macos, _ios)
#define __OSX_AVAILABLE_BUT_DEPRECATED(_macosIntro, _macosDep, _iosIntro, _iosDep)
#define API_AVAILABLE(...)
#define API_DEPRECATED(...)
#define API_UNAVAILABLE(...)
