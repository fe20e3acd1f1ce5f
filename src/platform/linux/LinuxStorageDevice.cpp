#include "platform/linux/LinuxStorageDevice.h"

#include "platform/linux/UdisksSmart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

constexpr std::size_t defaultAlignment = 4096;
constexpr long tmpfsMagic = 0x01021994;
constexpr long ramfsMagic = 0x858458f6;

class LinuxSpeedTestFile : public SpeedTestFile
{
public:
    LinuxSpeedTestFile(int descriptor, bool direct)
        : m_descriptor(descriptor)
        , m_direct(direct)
    {
        // Pages another run left behind must not answer the reads.
        if (!m_direct)
            ::posix_fadvise(m_descriptor, 0, 0, POSIX_FADV_DONTNEED);
    }
    ~LinuxSpeedTestFile() override { ::close(m_descriptor); }

    qint64 write(const char *data, qint64 length) override
    {
        return transfer([&] { return ::write(m_descriptor, data, static_cast<size_t>(length)); });
    }
    qint64 read(char *data, qint64 length) override
    {
        return transfer([&] { return ::read(m_descriptor, data, static_cast<size_t>(length)); });
    }
    bool flush() override
    {
        int result;
        do
            result = ::fsync(m_descriptor);
        while (result < 0 && errno == EINTR);
        return result == 0;
    }
    void passEnded() override
    {
        if (!m_direct)
            ::posix_fadvise(m_descriptor, 0, 0, POSIX_FADV_DONTNEED);
    }
    CacheBypass cacheBypass() const override { return m_direct ? CacheBypass::direct : CacheBypass::evictedAfterPass; }

private:
    template<typename Call>
    qint64 transfer(Call call)
    {
        for (;;) {
            const ssize_t done = call();
            if (done >= 0)
                return done;
            if (errno == EINTR)
                continue;
            // Some file systems open with O_DIRECT and refuse it on the first transfer.
            if (errno == EINVAL && m_direct && dropDirect())
                continue;
            return -1;
        }
    }
    bool dropDirect()
    {
        const int flags = ::fcntl(m_descriptor, F_GETFL);
        if (flags < 0 || ::fcntl(m_descriptor, F_SETFL, flags & ~O_DIRECT) < 0)
            return false;
        m_direct = false;
        return true;
    }

    int m_descriptor;
    bool m_direct;
};

std::unique_ptr<SpeedTestFile> openSpeedTestFile(const QString &path, int flags, bool tryDirect)
{
    const QByteArray name = QFile::encodeName(path);
    if (tryDirect) {
        const int descriptor = ::open(name.constData(), flags | O_DIRECT | O_CLOEXEC, 0600);
        if (descriptor >= 0)
            return std::make_unique<LinuxSpeedTestFile>(descriptor, true);
        if (errno != EINVAL)
            return nullptr;
    }
    const int descriptor = ::open(name.constData(), flags | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return nullptr;
    return std::make_unique<LinuxSpeedTestFile>(descriptor, false);
}

std::optional<dev_t> deviceOf(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return info.st_dev;
}

bool isWritableDirectory(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    {
    };
    return ::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
        ::access(name.constData(), W_OK | X_OK) == 0;
}

} // namespace

bool isMemoryBacked(const QString &directory)
{
    struct statfs info
    {
    };
    if (::statfs(QFile::encodeName(directory).constData(), &info) != 0)
        return false;
    return static_cast<long>(info.f_type) == tmpfsMagic || static_cast<long>(info.f_type) == ramfsMagic;
}

QString chooseSpeedTestDirectory(const QStringList &candidates, const QString &rootPath)
{
    const std::optional<dev_t> rootDevice = deviceOf(rootPath);
    QString fallback;
    for (const QString &candidate : candidates) {
        if (candidate.isEmpty() || !isWritableDirectory(candidate) || isMemoryBacked(candidate))
            continue;
        if (rootDevice && deviceOf(candidate) == rootDevice)
            return candidate;
        if (fallback.isEmpty())
            fallback = candidate;
    }
    if (!fallback.isEmpty())
        return fallback;
    return candidates.value(0);
}

std::optional<std::size_t> directTransferAlignment(const QString &directory)
{
#ifdef STATX_DIOALIGN
    struct statx info
    {
    };
    if (::statx(AT_FDCWD, QFile::encodeName(directory).constData(), 0, STATX_DIOALIGN, &info) == 0 &&
        (info.stx_mask & STATX_DIOALIGN)) {
        if (info.stx_dio_mem_align == 0)
            return std::nullopt;
        return std::max<std::size_t>(info.stx_dio_mem_align, defaultAlignment);
    }
#endif
    (void)directory;
    return defaultAlignment;
}

LinuxStorageDevice::LinuxStorageDevice(QString rootPath, QString speedTestDirectory, bool directTransfers)
    : m_rootPath(std::move(rootPath))
    , m_directory(std::move(speedTestDirectory))
    , m_directTransfers(directTransfers)
{
}

VolumeCapacities LinuxStorageDevice::startupVolumeCapacities() const
{
    struct statvfs info
    {
    };
    if (::statvfs(QFile::encodeName(m_rootPath).constData(), &info) != 0)
        return {};
    VolumeCapacities capacities;
    capacities.total = static_cast<qint64>(info.f_blocks) * static_cast<qint64>(info.f_frsize);
    // f_bfree would count the blocks kept for root, which the user cannot fill.
    capacities.available = static_cast<qint64>(info.f_bavail) * static_cast<qint64>(info.f_frsize);
    return capacities;
}

std::optional<QString> LinuxStorageDevice::smartStatus() const
{
    const std::optional<dev_t> device = deviceOf(m_rootPath);
    if (!device)
        return std::nullopt;
    return readUdisksSmartStatus(static_cast<quint64>(*device));
}

QString LinuxStorageDevice::speedTestDirectory() const
{
    if (!m_directory.isEmpty())
        return m_directory;
    // The temporary directory first, unless it is held in memory (as on
    // Debian 13) or lies on another volume; then places on the startup volume
    // that outlive a reboot.
    return chooseSpeedTestDirectory({QDir::tempPath(), QStringLiteral("/var/tmp"),
                                     QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation),
                                     QDir::homePath()},
                                    m_rootPath);
}

std::size_t LinuxStorageDevice::bufferAlignment() const
{
    return directTransferAlignment(speedTestDirectory()).value_or(defaultAlignment);
}

std::unique_ptr<SpeedTestFile> LinuxStorageDevice::openForWriting(const QString &path) const
{
    const bool direct = m_directTransfers && directTransferAlignment(QFileInfo(path).absolutePath()).has_value();
    return openSpeedTestFile(path, O_WRONLY | O_CREAT | O_TRUNC, direct);
}

std::unique_ptr<SpeedTestFile> LinuxStorageDevice::openForReading(const QString &path) const
{
    const bool direct = m_directTransfers && directTransferAlignment(QFileInfo(path).absolutePath()).has_value();
    return openSpeedTestFile(path, O_RDONLY, direct);
}

void LinuxStorageDevice::remove(const QString &path) const
{
    ::unlink(QFile::encodeName(path).constData());
}
