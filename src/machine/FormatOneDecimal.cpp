#include "machine/FormatOneDecimal.h"

#include <QLocale>

QString formatOneDecimal(double value)
{
    return QLocale().toString(value, 'f', 1);
}

QString formatCelsius(double celsius)
{
    return formatOneDecimal(celsius) + QStringLiteral(" °C");
}
