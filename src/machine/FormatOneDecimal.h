#pragma once

#include <QString>

// The number with exactly one fraction digit in the user's locale: 96,2 on a
// German system, 96.2 on an English one.
QString formatOneDecimal(double value);

// A temperature as shown everywhere: one fraction digit and " °C".
QString formatCelsius(double celsius);
