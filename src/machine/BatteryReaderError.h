#pragma once

#include <QString>

// Thrown by BatteryReader::read.
enum class BatteryReaderError { noBattery, systemProfilerFailed };

QString localizedDescription(BatteryReaderError error);
