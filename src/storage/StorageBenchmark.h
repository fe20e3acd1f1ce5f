#pragma once

#include "platform/StorageDevice.h"

#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

// What the speed test shows while it runs.
struct StorageBenchmarkUpdate
{
    // Of the whole storage check, 0 to 1.
    double progress = 0.0;
    QString text;
    std::optional<double> writeMBps;
    std::optional<double> readMBps;
    bool operator==(const StorageBenchmarkUpdate &) const = default;
};

enum class StorageBenchmarkError { couldNotOpen, writeFailed, readFailed };

// The sentence the error screen shows.
QString storageBenchmarkErrorDescription(StorageBenchmarkError error);

struct SpeedTestResult
{
    qint64 fileBytes = 0;
    int passes = 0;
    // Medians of the passes, decimal megabytes per second.
    double writeMBps = 0.0;
    double readMBps = 0.0;
    CacheBypass cacheBypass = CacheBypass::direct;
};

// A finished test, a failed one, or (neither set) one that was cancelled.
struct SpeedTestOutcome
{
    std::optional<SpeedTestResult> result;
    std::optional<StorageBenchmarkError> error;
};

using StorageUpdateSink = std::function<void(const StorageBenchmarkUpdate &)>;

struct SpeedTestSettings
{
    // The file's size; chosen by the free space when absent.
    std::optional<qint64> fileBytes;
    // Seconds of a monotonic clock; the steady clock when empty.
    std::function<double()> seconds;
    // Once set, the test ends within one block, removes its file and reports nothing more.
    const std::atomic<bool> *cancelled = nullptr;
};

constexpr qint64 speedTestBlockBytes = 8 * 1024 * 1024;
constexpr int speedTestPasses = 3;

qint64 speedTestFileSize(qint64 freeBytes);
// The middle value, the upper middle one for an even count.
std::optional<double> median(QList<double> values);
// The name of a new test file, without its directory.
QString speedTestFileName();

// Three timed write passes, then three read passes, over one file that
// bypasses the file cache; the file is gone on every way out. Blocking.
SpeedTestOutcome runSpeedTest(const StorageDevice &device, qint64 freeBytes, const StorageUpdateSink &update,
                              const SpeedTestSettings &settings = {});
