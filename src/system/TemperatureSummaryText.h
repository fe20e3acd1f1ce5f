#pragma once

#include "machine/ThermalReport.h"

#include <QString>

// The plain text the temperature panel copies: source, thermal state and one
// line per sensor in report order.
QString temperatureSummaryText(const ThermalReport &report);
