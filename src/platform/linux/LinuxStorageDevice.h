#pragma once

#include "platform/StorageDevice.h"

#include <QStringList>

#include <optional>

// The startup volume on Linux: statvfs for its capacities, udisks for the
// drive's SMART verdict, and speed-test files opened with O_DIRECT (dropping
// cached pages after each pass where the file system refuses it).
class LinuxStorageDevice : public StorageDevice
{
public:
    // The volume mounted at rootPath; the speed test writes into
    // speedTestDirectory when one is given (tests), else into a directory of
    // the user's on that volume. Without direct transfers every file takes
    // the fallback a file system refusing them gets (tests).
    explicit LinuxStorageDevice(QString rootPath = QStringLiteral("/"), QString speedTestDirectory = {},
                                bool directTransfers = true);

    VolumeCapacities startupVolumeCapacities() const override;
    std::optional<QString> smartStatus() const override;
    QString speedTestDirectory() const override;
    std::size_t bufferAlignment() const override;
    std::unique_ptr<SpeedTestFile> openForWriting(const QString &path) const override;
    std::unique_ptr<SpeedTestFile> openForReading(const QString &path) const override;
    void remove(const QString &path) const override;

private:
    QString m_rootPath;
    QString m_directory;
    bool m_directTransfers;
};

// Whether files in the directory live in memory (tmpfs, ramfs).
bool isMemoryBacked(const QString &directory);
// The first writable candidate on the device of rootPath that is not held in
// memory; failing that, the first writable one not in memory; failing that,
// the first candidate.
QString chooseSpeedTestDirectory(const QStringList &candidates, const QString &rootPath);
// Direct transfers' buffer alignment as the kernel reports it for the
// directory's file system; 4096 where it does not say. None where it says
// the file system takes no direct transfers.
std::optional<std::size_t> directTransferAlignment(const QString &directory);
