#include "support/FakeStorageDevice.h"

#include <thread>

class FakeSpeedTestFile : public SpeedTestFile
{
public:
    FakeSpeedTestFile(const FakeStorageDevice &device, qint64 readable)
        : m_device(device)
        , m_readable(readable)
    {
    }

    qint64 write(const char *, qint64 length) override
    {
        const std::optional<qint64> gate = m_device.m_setup.gateAtBytes;
        if (gate && m_device.m_written.load() >= *gate) {
            while (!m_device.m_released.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::this_thread::sleep_for(m_device.m_setup.writeDelay);
        const std::optional<qint64> space = m_device.m_setup.spaceBytes;
        if (space && m_offset + length > *space) {
            const qint64 left = *space - m_offset;
            if (left <= 0)
                return -1;
            length = left;
        }
        m_offset += length;
        m_device.m_written += length;
        return length;
    }
    qint64 read(char *, qint64 length) override
    {
        std::this_thread::sleep_for(m_device.m_setup.readDelay);
        const qint64 got = std::min(length, m_readable - m_offset);
        m_offset += std::max<qint64>(got, 0);
        return std::max<qint64>(got, 0);
    }
    bool flush() override { return !m_device.m_setup.failingFlush; }
    CacheBypass cacheBypass() const override { return m_device.m_setup.cacheBypass; }

private:
    const FakeStorageDevice &m_device;
    qint64 m_readable;
    qint64 m_offset = 0;
};

FakeStorageDevice::FakeStorageDevice(Setup setup)
    : m_setup(std::move(setup))
{
}

std::unique_ptr<SpeedTestFile> FakeStorageDevice::openForWriting(const QString &path) const
{
    const int pass = ++m_writeOpens;
    if (m_setup.failingWriteOpen > 0 && pass >= m_setup.failingWriteOpen)
        return nullptr;
    const std::lock_guard lock(m_mutex);
    m_existing.insert(path);
    m_opened.insert(path);
    return std::make_unique<FakeSpeedTestFile>(*this, 0);
}

std::unique_ptr<SpeedTestFile> FakeStorageDevice::openForReading(const QString &path) const
{
    const int pass = ++m_readOpens;
    if (m_setup.failingReadOpen > 0 && pass >= m_setup.failingReadOpen)
        return nullptr;
    const std::lock_guard lock(m_mutex);
    if (!m_existing.contains(path))
        return nullptr;
    return std::make_unique<FakeSpeedTestFile>(*this, m_setup.readableBytes.value_or(qint64(1) << 62));
}

void FakeStorageDevice::remove(const QString &path) const
{
    const std::lock_guard lock(m_mutex);
    m_existing.remove(path);
}

void FakeStorageDevice::release()
{
    m_released = true;
}

QSet<QString> FakeStorageDevice::existingFiles() const
{
    const std::lock_guard lock(m_mutex);
    return m_existing;
}

QSet<QString> FakeStorageDevice::openedFiles() const
{
    const std::lock_guard lock(m_mutex);
    return m_opened;
}
