#pragma once

#include <QString>

#include <cstddef>
#include <memory>
#include <optional>

// The capacities of the startup volume, as far as the system reports them.
struct VolumeCapacities
{
    std::optional<qint64> total;
    // What the system would free up for something the user asked for.
    std::optional<qint64> availableForImportantUsage;
    std::optional<qint64> available;
};

// How a speed-test file keeps the file cache out of the measurement.
enum class CacheBypass {
    // Every transfer goes to the device.
    direct,
    // The system refused direct transfers; cached pages are dropped after each pass.
    evictedAfterPass,
};

// An open speed-test file. Closed when destroyed.
class SpeedTestFile
{
public:
    virtual ~SpeedTestFile() = default;
    // Bytes transferred, 0 at the end of the file, below 0 on failure.
    virtual qint64 write(const char *data, qint64 length) = 0;
    virtual qint64 read(char *data, qint64 length) = 0;
    // Everything written reaches the device.
    virtual bool flush() = 0;
    // A pass is over: what the cache still holds of the file is dropped.
    virtual void passEnded() { }
    virtual CacheBypass cacheBypass() const = 0;
};

// The startup volume: its capacities, the drive's health and files for the
// speed test. Safe to use from any thread.
class StorageDevice
{
public:
    virtual ~StorageDevice() = default;
    virtual VolumeCapacities startupVolumeCapacities() const = 0;
    // The drive's SMART status as the system words it ("Verified", "Failing");
    // none when it was not read.
    virtual std::optional<QString> smartStatus() const = 0;
    // Where the speed test puts its file: on the startup volume, never in memory.
    virtual QString speedTestDirectory() const = 0;
    // Buffers handed to a file opened in that directory start at a multiple of this.
    virtual std::size_t bufferAlignment() const = 0;
    // Created or truncated, readable and writable by the owner only. Null on failure.
    virtual std::unique_ptr<SpeedTestFile> openForWriting(const QString &path) const = 0;
    virtual std::unique_ptr<SpeedTestFile> openForReading(const QString &path) const = 0;
    virtual void remove(const QString &path) const = 0;
};
