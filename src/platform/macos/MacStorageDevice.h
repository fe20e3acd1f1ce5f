#pragma once

#include "platform/StorageDevice.h"

// The startup volume on macOS: the file system's resource values, the SMART
// status diskutil reports, and speed-test files with F_NOCACHE set.
class MacStorageDevice : public StorageDevice
{
public:
    explicit MacStorageDevice(QString diskutil = QStringLiteral("/usr/sbin/diskutil"));
    VolumeCapacities startupVolumeCapacities() const override;
    std::optional<QString> smartStatus() const override;
    QString speedTestDirectory() const override;
    std::size_t bufferAlignment() const override { return 4096; }
    std::unique_ptr<SpeedTestFile> openForWriting(const QString &path) const override;
    std::unique_ptr<SpeedTestFile> openForReading(const QString &path) const override;
    void remove(const QString &path) const override;

private:
    QString m_diskutil;
};
