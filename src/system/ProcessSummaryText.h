#pragma once

#include "system/ProcessLoadEvaluation.h"
#include "system/ProcessLoadReport.h"

#include <QString>

// The plain text the process panel copies: source, duration, verdict, power
// state and one line per relevant process. Numbers in the user's locale.
QString processSummaryText(const ProcessLoadReport &report, const ProcessLoadEvaluation &evaluation, bool onBattery);
