#pragma once

#include "system/ProcessLoadEvaluation.h"
#include "system/ProcessLoadReport.h"
#include "system/ThermalEvaluation.h"
#include "system/ThermalReport.h"

#include <QVariantMap>

// The system check's results as the screens read them, numbers already
// written in the user's locale.
QVariantMap toVariantMap(const ThermalReport &report);
QVariantMap toVariantMap(const ThermalEvaluation &evaluation);
QVariantMap toVariantMap(const ProcessLoadReport &report);
QVariantMap toVariantMap(const ProcessLoadEvaluation &evaluation);
QString rawValue(ThermalVerdict verdict);
QString rawValue(ProcessLoadVerdict verdict);
