#pragma once

#include "platform/smc/FanReading.h"
#include "platform/smc/RawTemperatureSample.h"

#include <QList>

// Readers of the SMC text lines. A line that fails any test is dropped, the
// rest are kept in text order. The text ends at its first zero byte.
QList<RawTemperatureSample> parseTemperatureLines(const char *text);
QList<FanReading> parseFanLines(const char *text);
