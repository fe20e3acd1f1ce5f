#include "storage/StorageBenchmark.h"

#include "storage/SpeedTestFileGuard.h"

#include <QDir>
#include <QRandomGenerator>
#include <QUuid>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr qint64 reportStepBytes = 64 * 1024 * 1024;
constexpr double bytesPerMegabyte = 1'000'000.0;
constexpr double shortestPassSeconds = 0.001;

struct FreeDeleter
{
    void operator()(char *block) const { std::free(block); }
};
using Block = std::unique_ptr<char, FreeDeleter>;

// Direct transfers want the buffer aligned; the block size is a multiple of
// any alignment a device asks for.
Block allocateBlock(std::size_t alignment)
{
    alignment = std::max<std::size_t>(alignment, 64);
    auto *block = static_cast<char *>(std::aligned_alloc(alignment, speedTestBlockBytes));
    if (block)
        std::memset(block, 0, speedTestBlockBytes);
    return Block(block);
}

double speedOf(qint64 bytes, double seconds)
{
    return (static_cast<double>(bytes) / bytesPerMegabyte) / std::max(seconds, shortestPassSeconds);
}

QString wholeMBps(double speed)
{
    return QString::number(static_cast<qint64>(speed));
}

class Run
{
public:
    Run(const StorageDevice &device, const StorageUpdateSink &update, const SpeedTestSettings &settings, QString path,
        qint64 size)
        : m_device(device)
        , m_update(update)
        , m_settings(settings)
        , m_path(std::move(path))
        , m_size(size)
    {
    }

    SpeedTestOutcome measure();

private:
    bool cancelled() const { return m_settings.cancelled && m_settings.cancelled->load(); }
    double now() const
    {
        if (m_settings.seconds)
            return m_settings.seconds();
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
    void report(double progress, const QString &text, std::optional<double> write, std::optional<double> read) const
    {
        if (m_update)
            m_update({progress, text, write, read});
    }
    static bool reportsAt(qint64 done, qint64 size) { return done % reportStepBytes == 0 || done == size; }
    void noteBypass(const SpeedTestFile &file)
    {
        if (file.cacheBypass() == CacheBypass::evictedAfterPass)
            m_bypass = CacheBypass::evictedAfterPass;
    }

    std::optional<StorageBenchmarkError> writePass(int pass, const char *block);
    std::optional<StorageBenchmarkError> readPass(int pass);

    const StorageDevice &m_device;
    const StorageUpdateSink &m_update;
    const SpeedTestSettings &m_settings;
    const QString m_path;
    const qint64 m_size;
    QList<double> m_writeSpeeds;
    QList<double> m_readSpeeds;
    CacheBypass m_bypass = CacheBypass::direct;
    bool m_stopped = false;
};

std::optional<StorageBenchmarkError> Run::writePass(int pass, const char *block)
{
    if (cancelled())
        return m_stopped = true, std::nullopt;
    const std::unique_ptr<SpeedTestFile> file = m_device.openForWriting(m_path);
    if (!file)
        return StorageBenchmarkError::couldNotOpen;
    noteBypass(*file);

    const std::optional<double> previous = m_writeSpeeds.isEmpty() ? std::nullopt : std::optional(m_writeSpeeds.last());
    const QString passText = QStringLiteral("Schreiben · Durchlauf %1 von %2").arg(pass).arg(speedTestPasses);
    const double start = now();
    qint64 written = 0;
    while (written < m_size) {
        if (cancelled())
            return m_stopped = true, std::nullopt;
        const qint64 wrote = file->write(block, std::min(speedTestBlockBytes, m_size - written));
        if (wrote <= 0)
            return StorageBenchmarkError::writeFailed;
        written += wrote;
        if (reportsAt(written, m_size)) {
            const double fraction = static_cast<double>(written) / static_cast<double>(m_size);
            report((fraction + (pass - 1)) / speedTestPasses * 0.33 + 0.22, passText, previous, std::nullopt);
        }
    }
    // A write the device never took is no write.
    if (!file->flush())
        return StorageBenchmarkError::writeFailed;
    const double speed = speedOf(written, now() - start);
    file->passEnded();
    m_writeSpeeds.append(speed);
    report(pass * 0.33 / speedTestPasses + 0.22, QStringLiteral("Schreiben · %1 MB/s").arg(wholeMBps(speed)), speed,
           std::nullopt);
    return std::nullopt;
}

std::optional<StorageBenchmarkError> Run::readPass(int pass)
{
    if (cancelled())
        return m_stopped = true, std::nullopt;
    const std::unique_ptr<SpeedTestFile> file = m_device.openForReading(m_path);
    if (!file)
        return StorageBenchmarkError::couldNotOpen;
    noteBypass(*file);
    const Block block = allocateBlock(m_device.bufferAlignment());
    if (!block)
        return StorageBenchmarkError::readFailed;

    const std::optional<double> writeMedian = median(m_writeSpeeds);
    const std::optional<double> previous = m_readSpeeds.isEmpty() ? std::nullopt : std::optional(m_readSpeeds.last());
    const QString passText = QStringLiteral("Lesen · Durchlauf %1 von %2").arg(pass).arg(speedTestPasses);
    const double start = now();
    qint64 read = 0;
    while (read < m_size) {
        if (cancelled())
            return m_stopped = true, std::nullopt;
        const qint64 got = file->read(block.get(), std::min(speedTestBlockBytes, m_size - read));
        if (got < 1)
            return StorageBenchmarkError::readFailed;
        read += got;
        if (reportsAt(read, m_size)) {
            const double fraction = static_cast<double>(read) / static_cast<double>(m_size);
            report((fraction + (pass - 1)) / speedTestPasses * 0.3 + 0.58, passText, writeMedian, previous);
        }
    }
    const double speed = speedOf(read, now() - start);
    file->passEnded();
    m_readSpeeds.append(speed);
    report(pass * 0.3 / speedTestPasses + 0.58, QStringLiteral("Lesen · %1 MB/s").arg(wholeMBps(speed)), writeMedian,
           speed);
    return std::nullopt;
}

SpeedTestOutcome Run::measure()
{
    const Block block = allocateBlock(m_device.bufferAlignment());
    if (!block)
        return {std::nullopt, StorageBenchmarkError::writeFailed};
    // Incompressible is enough; the system source takes about 90 ms for a block
    // and could not be cancelled.
    QRandomGenerator::securelySeeded().fillRange(reinterpret_cast<quint32 *>(block.get()),
                                                 speedTestBlockBytes / sizeof(quint32));

    report(0.22, QStringLiteral("Schreibgeschwindigkeit wird gemessen …"), std::nullopt, std::nullopt);
    for (int pass = 1; pass <= speedTestPasses; ++pass) {
        if (const auto error = writePass(pass, block.get()))
            return {std::nullopt, error};
        if (m_stopped)
            return {};
    }
    report(0.58, QStringLiteral("Lesegeschwindigkeit wird gemessen …"), median(m_writeSpeeds), std::nullopt);
    for (int pass = 1; pass <= speedTestPasses; ++pass) {
        if (const auto error = readPass(pass))
            return {std::nullopt, error};
        if (m_stopped)
            return {};
    }
    const std::optional<double> writeMedian = median(m_writeSpeeds);
    const std::optional<double> readMedian = median(m_readSpeeds);
    if (!writeMedian || !readMedian)
        return {std::nullopt, StorageBenchmarkError::readFailed};
    report(0.9, QStringLiteral("Messwerte werden ausgewertet …"), writeMedian, readMedian);
    return {SpeedTestResult {m_size, speedTestPasses, *writeMedian, *readMedian, m_bypass}, std::nullopt};
}

} // namespace

QString storageBenchmarkErrorDescription(StorageBenchmarkError error)
{
    switch (error) {
    case StorageBenchmarkError::couldNotOpen:
        return QStringLiteral("Die temporäre Testdatei konnte nicht geöffnet werden.");
    case StorageBenchmarkError::writeFailed:
        return QStringLiteral("Der Schreibtest konnte nicht vollständig ausgeführt werden.");
    case StorageBenchmarkError::readFailed:
        return QStringLiteral("Der Lesetest konnte nicht vollständig ausgeführt werden.");
    }
    return {};
}

qint64 speedTestFileSize(qint64 freeBytes)
{
    constexpr qint64 mebibyte = 1024 * 1024;
    constexpr qint64 gibibyte = 1024 * mebibyte;
    if (freeBytes > 8 * gibibyte)
        return gibibyte;
    if (freeBytes > 4 * gibibyte)
        return 512 * mebibyte;
    return 256 * mebibyte;
}

std::optional<double> median(QList<double> values)
{
    if (values.isEmpty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

QString speedTestFileName()
{
    return QStringLiteral("ql-disk-speed-%1.bin").arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
}

SpeedTestOutcome runSpeedTest(const StorageDevice &device, qint64 freeBytes, const StorageUpdateSink &update,
                              const SpeedTestSettings &settings)
{
    const qint64 size = settings.fileBytes.value_or(speedTestFileSize(freeBytes));
    const QString path = QDir(device.speedTestDirectory()).filePath(speedTestFileName());
    // Tracked before the file can exist, so that an ending process takes it along.
    const SpeedTestFileGuard guard(path);
    Run run(device, update, settings, path, size);
    const SpeedTestOutcome outcome = run.measure();
    device.remove(path);
    return outcome;
}
