#pragma once

#include "system/ProcessCPURecord.h"
#include "system/ProcessLoadReport.h"
#include "system/ProcessLoadVerdict.h"

#include <QList>
#include <QString>
#include <QStringList>

struct ProcessLoadEvaluation
{
    ProcessLoadVerdict verdict = ProcessLoadVerdict::unavailable;
    // At most 6, heavy ones first, then by average load.
    QList<ProcessCPURecord> flaggedProcesses;
    // At most 12, in the report's order.
    QList<ProcessCPURecord> relevantProcesses;
    // At most 5.
    QStringList reasons;
    QString explanation;

    bool operator==(const ProcessLoadEvaluation &) const = default;
};

// Rates the processes that carried a sustained load through the measurement;
// applications are listed nowhere. An empty report cannot be rated.
ProcessLoadEvaluation evaluateProcessLoad(const ProcessLoadReport &report, bool onBattery);
