#pragma once

#include "battery/BatteryEvaluation.h"
#include "machine/BatterySnapshot.h"

#include <QVariantMap>

// The battery values as the screens read them: a missing value is a missing key.
QVariantMap toVariantMap(const BatterySnapshot &snapshot);
QVariantMap toVariantMap(const BatteryEvaluation &evaluation);
QString rawValue(BatteryVerdict verdict);
