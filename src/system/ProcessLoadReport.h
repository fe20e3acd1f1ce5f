#pragma once

#include "system/ProcessCPURecord.h"

#include <QList>
#include <QString>

struct ProcessLoadReport
{
    // Busiest first: by average, then by peak.
    QList<ProcessCPURecord> processes;
    int sampleCount = 0;
    double durationSeconds = 0;
    QString sourceDescription = QStringLiteral("macOS Prozessliste (ps), mehrfach lokal gemessen");

    bool operator==(const ProcessLoadReport &) const = default;
};
