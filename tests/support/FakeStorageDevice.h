#pragma once

#include "platform/StorageDevice.h"

#include <QSet>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>

// A startup volume in memory: files are only sizes, transfers copy nothing,
// so a 1 GiB speed test takes no time. Faults are set per case.
class FakeStorageDevice : public StorageDevice
{
public:
    struct Setup
    {
        VolumeCapacities capacities;
        std::optional<QString> smartStatus;
        CacheBypass cacheBypass = CacheBypass::direct;
        // The volume takes no more than this; a write beyond it fails.
        std::optional<qint64> spaceBytes;
        // Opening fails from this write pass (1-based) or read pass on.
        int failingWriteOpen = 0;
        int failingReadOpen = 0;
        bool failingFlush = false;
        // Reads end early, as if the file were this long.
        std::optional<qint64> readableBytes;
        // The write that would pass this many bytes in all waits until
        // release() (for flows held mid-test); 0 holds the first write.
        std::optional<qint64> gateAtBytes;
        // Each transfer takes this long, for speeds a person would see.
        std::chrono::microseconds writeDelay {0};
        std::chrono::microseconds readDelay {0};
    };

    explicit FakeStorageDevice(Setup setup);

    VolumeCapacities startupVolumeCapacities() const override { return m_setup.capacities; }
    std::optional<QString> smartStatus() const override { return m_setup.smartStatus; }
    QString speedTestDirectory() const override { return QStringLiteral("/fake/tmp"); }
    std::size_t bufferAlignment() const override { return 4096; }
    std::unique_ptr<SpeedTestFile> openForWriting(const QString &path) const override;
    std::unique_ptr<SpeedTestFile> openForReading(const QString &path) const override;
    void remove(const QString &path) const override;

    void release();
    // Paths of files that exist now, and of every file ever opened.
    QSet<QString> existingFiles() const;
    QSet<QString> openedFiles() const;
    qint64 bytesWritten() const { return m_written.load(); }
    int writePassesBegun() const { return m_writeOpens.load(); }

private:
    friend class FakeSpeedTestFile;
    Setup m_setup;
    mutable std::mutex m_mutex;
    mutable QSet<QString> m_existing;
    mutable QSet<QString> m_opened;
    mutable std::atomic<qint64> m_written {0};
    mutable std::atomic<int> m_writeOpens {0};
    mutable std::atomic<int> m_readOpens {0};
    std::atomic<bool> m_released {false};
};
