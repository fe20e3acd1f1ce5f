#pragma once

#include "platform/smc/SmcKeyTable.h"

#include <QList>
#include <QString>

// The SMC keys behind the Apple silicon SMC's hwmon channels. The channel
// labels are friendly names; the keys come from the device tree nodes with
// the same label. Values go back as "flt " in °C and revolutions per minute.
QList<SmcKey> macsmcHwmonKeys(const QString &hwmonDirectory);
