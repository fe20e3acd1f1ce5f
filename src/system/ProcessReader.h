#pragma once

#include "platform/Platform.h"
#include "platform/Sleeper.h"
#include "system/ProcessLoadReport.h"
#include "system/ProcessOrigin.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

// Samples the process list over several rounds and condenses it into
// per-process averages and peaks. Reads through a row source of its own, so
// one reader serves one thread at a time.
class ProcessReader
{
public:
    using SnapshotRow = ProcessRow;

    struct Classification
    {
        QString name;
        ProcessOrigin origin = ProcessOrigin::unknown;
        std::optional<QString> specialNote;

        bool operator==(const Classification &) const = default;
    };

    // What one pid gathered; the first four fields come from the first round
    // it appeared in.
    struct Accumulator
    {
        QString name;
        QString path;
        ProcessOrigin origin = ProcessOrigin::unknown;
        std::optional<QString> specialNote;
        QList<double> cpuValues;
        QList<double> memoryValuesMB;
    };

    ProcessReader(const Platform &platform, std::shared_ptr<const Sleeper> sleeper);

    // One reading of the process list; empty when it failed.
    QList<SnapshotRow> snapshot();

    // Blocks for about (rounds - 1) x interval plus the readings. At least 3
    // rounds and 0.2 s between them; the own process is left out.
    ProcessLoadReport sample(int sampleCount, double intervalSeconds);

    static Classification classify(const QString &command);

    // The application bundle a path lies in, without its extension; the
    // innermost bundle wins.
    static QString appName(const QString &command, const QString &fallback);

private:
    std::unique_ptr<ProcessRowSource> m_rows;
    std::shared_ptr<const Sleeper> m_sleeper;
};
