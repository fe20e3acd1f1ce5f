#pragma once

#include "fans/FanDiagnosticResult.h"
#include "platform/Platform.h"
#include "platform/Sleeper.h"
#include "platform/SmcTransport.h"

#include <QList>

// Every fan the SMC reports, in its order; empty when there is no SMC, no
// fan, or the read fails. Only reads.
QList<FanReading> readFanReadings(const SmcTransport &smc);

// Reads the fans, then two rounds of temperatures a quarter second apart,
// and judges them together. Blocks for the readings and the pause.
FanDiagnosticResult computeFanResult(const Platform &platform, const Sleeper &sleeper);
