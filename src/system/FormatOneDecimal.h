#pragma once

#include <QString>

// A number with exactly one fraction digit in the user's locale ("96,2" on a
// German system), as every temperature and percentage in the texts is shown.
QString formatOneDecimal(double value);
