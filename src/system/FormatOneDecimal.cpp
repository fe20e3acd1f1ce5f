#include "system/FormatOneDecimal.h"

#include <QLocale>

QString formatOneDecimal(double value)
{
    return QLocale().toString(value, 'f', 1);
}
