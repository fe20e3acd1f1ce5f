#pragma once

#include "system/ProcessOrigin.h"

#include <QString>

#include <optional>

// One process condensed over the rounds in which it appeared.
struct ProcessCPURecord
{
    qint64 pid = 0;
    QString name;
    QString executablePath;
    ProcessOrigin origin = ProcessOrigin::unknown;
    // Percent of one core.
    double averageCPUPercent = 0;
    double peakCPUPercent = 0;
    double averageMemoryMB = 0;
    int sampleCount = 0;
    std::optional<QString> specialNote;

    bool operator==(const ProcessCPURecord &) const = default;
};
