#include "platform/macos/MacStorageDevice.h"

#include "platform/macos/MacHandles.h"
#include "platform/tools/DiskutilInfo.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/fcntl.h>
#include <unistd.h>

namespace {

class MacSpeedTestFile : public SpeedTestFile
{
public:
    explicit MacSpeedTestFile(int descriptor)
        : m_descriptor(descriptor)
    {
    }
    ~MacSpeedTestFile() override { ::close(m_descriptor); }

    qint64 write(const char *data, qint64 length) override
    {
        ssize_t done;
        do
            done = ::write(m_descriptor, data, static_cast<size_t>(length));
        while (done < 0 && errno == EINTR);
        return done;
    }
    qint64 read(char *data, qint64 length) override
    {
        ssize_t done;
        do
            done = ::read(m_descriptor, data, static_cast<size_t>(length));
        while (done < 0 && errno == EINTR);
        return done;
    }
    bool flush() override { return ::fsync(m_descriptor) == 0; }
    CacheBypass cacheBypass() const override { return CacheBypass::direct; }

private:
    int m_descriptor;
};

std::unique_ptr<SpeedTestFile> openUncached(const QString &path, int flags)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return nullptr;
    ::fcntl(descriptor, F_NOCACHE, 1);
    return std::make_unique<MacSpeedTestFile>(descriptor);
}

std::optional<qint64> capacity(CFURLRef volume, CFStringRef key)
{
    CFTypeRef value = nullptr;
    if (!CFURLCopyResourcePropertyForKey(volume, key, &value, nullptr) || !value)
        return std::nullopt;
    const CFHandle<CFTypeRef> owned(value);
    if (CFGetTypeID(value) != CFNumberGetTypeID())
        return std::nullopt;
    SInt64 number = 0;
    if (!CFNumberGetValue(static_cast<CFNumberRef>(value), kCFNumberSInt64Type, &number))
        return std::nullopt;
    return number;
}

} // namespace

MacStorageDevice::MacStorageDevice(QString diskutil)
    : m_diskutil(std::move(diskutil))
{
}

VolumeCapacities MacStorageDevice::startupVolumeCapacities() const
{
    const CFHandle<CFStringRef> root(CFStringCreateWithCString(kCFAllocatorDefault, "/", kCFStringEncodingUTF8));
    if (!root)
        return {};
    const CFHandle<CFURLRef> volume(
        CFURLCreateWithFileSystemPath(kCFAllocatorDefault, root.get(), kCFURLPOSIXPathStyle, true));
    if (!volume)
        return {};
    VolumeCapacities capacities;
    capacities.total = capacity(volume.get(), kCFURLVolumeTotalCapacityKey);
    capacities.availableForImportantUsage = capacity(volume.get(), kCFURLVolumeAvailableCapacityForImportantUsageKey);
    capacities.available = capacity(volume.get(), kCFURLVolumeAvailableCapacityKey);
    return capacities;
}

std::optional<QString> MacStorageDevice::smartStatus() const
{
    return readDiskutilSmartStatus(m_diskutil);
}

QString MacStorageDevice::speedTestDirectory() const
{
    // The per-user temporary directory, which lies on the startup volume.
    return QDir::tempPath();
}

std::unique_ptr<SpeedTestFile> MacStorageDevice::openForWriting(const QString &path) const
{
    return openUncached(path, O_WRONLY | O_CREAT | O_TRUNC);
}

std::unique_ptr<SpeedTestFile> MacStorageDevice::openForReading(const QString &path) const
{
    return openUncached(path, O_RDONLY);
}

void MacStorageDevice::remove(const QString &path) const
{
    QFile::remove(path);
}
