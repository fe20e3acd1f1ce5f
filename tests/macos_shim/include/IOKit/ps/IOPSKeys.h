// Declaration shim: the power-source values this project compares against,
// as the macOS SDK defines them.
#pragma once

#define kIOPSACPowerValue "AC Power"
#define kIOPSBatteryPowerValue "Battery Power"
#define kIOPSOffLineValue "Off Line"
