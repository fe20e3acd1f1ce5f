#pragma once

#include "platform/StorageDevice.h"
#include "storage/StorageBenchmark.h"

#include <QString>

#include <atomic>
#include <optional>

// What one storage check read from the startup volume.
struct StorageSnapshot
{
    // 0 when unknown.
    qint64 totalBytes = 0;
    qint64 freeBytes = 0;
    std::optional<QString> smartStatus;
    std::optional<double> writeMBps;
    std::optional<double> readMBps;
    qint64 benchmarkBytes = 0;
    int benchmarkPasses = 0;
    CacheBypass cacheBypass = CacheBypass::direct;
    bool operator==(const StorageSnapshot &) const = default;
};

// A snapshot, the speed test's failure, or (neither set) a cancelled read.
struct StorageSnapshotOutcome
{
    std::optional<StorageSnapshot> snapshot;
    std::optional<StorageBenchmarkError> error;
};

// Capacities, drive health and the speed test, reporting on the way. Blocking.
StorageSnapshotOutcome readStorageSnapshot(const StorageDevice &device, const StorageUpdateSink &update,
                                           const SpeedTestSettings &settings = {});
