#pragma once

#include "machine/ThermalReport.h"
#include "platform/BatteryService.h"
#include "platform/Platform.h"
#include "platform/Sleeper.h"
#include "platform/SmcTransport.h"
#include "platform/smc/RawTemperatureSample.h"

#include <QList>

#include <optional>

// One round of the SMC's temperature keys; empty when the SMC gives nothing.
QList<RawTemperatureSample> readSMCTemperatureSamples(const SmcTransport &smc);

// The battery's own temperature in °C, whichever unit its service uses.
std::optional<double> readBatteryTemperature(const BatteryService &battery);

// Samples the SMC and the battery sampleCount times (1...10), interval
// seconds apart, and rates nothing: averages, peaks and the system's thermal
// state. Blocks for the rounds' pauses; never fails, only loses data.
ThermalReport readThermalReport(const Platform &platform, const Sleeper &sleeper, int sampleCount, double interval);
