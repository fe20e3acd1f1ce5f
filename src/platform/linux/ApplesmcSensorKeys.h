#pragma once

#include "platform/smc/SmcKeyTable.h"

#include <QList>
#include <QString>

// The SMC keys behind applesmc's temperature and fan files, for users who
// may not select raw keys: temperatures back as "sp78" (the label is the
// key), fan speeds as "fpe2", and "FNum" for the highest fan present.
QList<SmcKey> applesmcSensorKeys(const QString &deviceDirectory);
