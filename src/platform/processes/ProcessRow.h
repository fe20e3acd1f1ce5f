#pragma once

#include <QString>

// One process as the process list shows it in one round.
struct ProcessRow
{
    qint64 pid = 0;
    // 100 = one core fully busy; several busy cores give more.
    double cpuPercent = 0;
    double residentMemoryKB = 0;
    // The executable's full path where the system knows it.
    QString command;

    bool operator==(const ProcessRow &) const = default;
};
