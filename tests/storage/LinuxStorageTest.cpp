#include "platform/linux/LinuxStorageDevice.h"
#include "storage/StorageBenchmark.h"
#include "storage/StorageDiagnosticViewModel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/mman.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

constexpr qint64 MiB = 1024 * 1024;

QStringList leftovers(const QString &directory)
{
    return QDir(directory).entryList({QStringLiteral("ql-disk-speed-*")}, QDir::Files | QDir::Hidden);
}

// Pages of the file the cache still holds.
qint64 residentPages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const qint64 size = file.size();
    void *map = ::mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_SHARED, file.handle(), 0);
    if (map == MAP_FAILED)
        return -1;
    const long page = ::sysconf(_SC_PAGESIZE);
    std::vector<unsigned char> resident(static_cast<size_t>((size + page - 1) / page));
    qint64 count = -1;
    if (::mincore(map, static_cast<size_t>(size), resident.data()) == 0)
        count = std::count_if(resident.begin(), resident.end(), [](unsigned char byte) { return byte & 1; });
    ::munmap(map, static_cast<size_t>(size));
    return count;
}

// A volume of 16 MiB held in memory; absent where mounting is not allowed.
class SmallVolume
{
public:
    SmallVolume()
    {
        const QByteArray path = QFile::encodeName(m_directory.path());
        m_mounted = ::mount("tmpfs", path.constData(), "tmpfs", 0, "size=16m") == 0;
    }
    ~SmallVolume()
    {
        if (m_mounted)
            ::umount(QFile::encodeName(m_directory.path()).constData());
    }
    bool mounted() const { return m_mounted; }
    QString path() const { return m_directory.path(); }

private:
    QTemporaryDir m_directory;
    bool m_mounted = false;
};

} // namespace

class LinuxStorageTest : public QObject
{
    Q_OBJECT

private slots:
    void capacitiesOfTheRootVolume()
    {
        const VolumeCapacities capacities = LinuxStorageDevice().startupVolumeCapacities();
        QCOMPARE(capacities.total, QStorageInfo::root().bytesTotal());
        QVERIFY(capacities.available && *capacities.available > 0 && *capacities.available <= *capacities.total);
        QVERIFY(!capacities.availableForImportantUsage);
        QVERIFY(!LinuxStorageDevice(QStringLiteral("/no/such/volume")).startupVolumeCapacities().total);
    }

    void realRunLeavesNothing_data()
    {
        QTest::addColumn<bool>("direct");
        QTest::newRow("direct") << true;
        QTest::newRow("cache dropped after each pass") << false;
    }

    void realRunLeavesNothing()
    {
        QFETCH(bool, direct);
        QTemporaryDir directory;
        const LinuxStorageDevice device(QStringLiteral("/"), directory.path(), direct);
        SpeedTestSettings settings;
        settings.fileBytes = 16 * MiB;
        const SpeedTestOutcome outcome = runSpeedTest(device, 0, {}, settings);
        QVERIFY(outcome.result);
        QVERIFY(outcome.result->writeMBps > 0 && outcome.result->readMBps > 0);
        QCOMPARE(outcome.result->cacheBypass, direct ? CacheBypass::direct : CacheBypass::evictedAfterPass);
        QCOMPARE(leftovers(directory.path()), QStringList());
    }

    // Where direct transfers are refused, a pass leaves none of the file cached.
    void fallbackDropsTheCachedPages()
    {
        QTemporaryDir directory;
        const QString path = directory.filePath(QStringLiteral("pages.bin"));
        const LinuxStorageDevice device(QStringLiteral("/"), directory.path(), false);
        {
            const std::unique_ptr<SpeedTestFile> file = device.openForWriting(path);
            QVERIFY(file);
            const QByteArray block(int(4 * MiB), 'x');
            for (int i = 0; i < 4; ++i)
                QCOMPARE(file->write(block.constData(), block.size()), block.size());
            QVERIFY(file->flush());
            QVERIFY(residentPages(path) > 0);
            file->passEnded();
        }
        QCOMPARE(residentPages(path), 0);
    }

    void fullVolumeFailsTheWriteAndLeavesNothing()
    {
        SmallVolume volume;
        if (!volume.mounted())
            QSKIP("mounting a small volume needs root");
        const LinuxStorageDevice device(QStringLiteral("/"), volume.path());
        SpeedTestSettings settings;
        settings.fileBytes = 32 * MiB;
        const SpeedTestOutcome outcome = runSpeedTest(device, 0, {}, settings);
        QCOMPARE(outcome.error, StorageBenchmarkError::writeFailed);
        QCOMPARE(leftovers(volume.path()), QStringList());
    }

    void directoryStaysOffMemoryVolumes()
    {
        SmallVolume memory;
        if (!memory.mounted())
            QSKIP("mounting a small volume needs root");
        QTemporaryDir onRoot(QDir::rootPath() + QStringLiteral("var/tmp/ql-test-XXXXXX"));
        QVERIFY(isMemoryBacked(memory.path()));
        QVERIFY(!isMemoryBacked(onRoot.path()));
        QCOMPARE(chooseSpeedTestDirectory({memory.path(), QStringLiteral("/no/such/dir"), onRoot.path()},
                                          QStringLiteral("/")),
                 onRoot.path());
        QCOMPARE(chooseSpeedTestDirectory({memory.path()}, QStringLiteral("/")), memory.path());
        QVERIFY(!isMemoryBacked(LinuxStorageDevice().speedTestDirectory()));
    }

    // The real check on the startup volume: progress arrives as queued
    // events, so the interface thread never waits on the disk.
    void userInterfaceThreadKeepsRunning()
    {
        QTemporaryDir directory;
        Platform platform;
        platform.storage = std::make_shared<LinuxStorageDevice>(QStringLiteral("/"), directory.path());
        TimerClock clock;
        StorageDiagnosticViewModel model(platform, clock, 128 * MiB);
        qint64 longest = 0;
        int updates = 0;
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setInterval(2);
        connect(&ticker, &QTimer::timeout, [&] { longest = std::max(longest, sinceTick.restart()); });
        connect(&model, &DiagnosticFlow::progressChanged, [&updates] { ++updates; });
        sinceTick.start();
        ticker.start();
        model.start();
        QTRY_VERIFY_WITH_TIMEOUT(model.phase() == StorageDiagnosticViewModel::Phase::result, 30000);
        qInfo("longest stall of the interface thread: %lld ms over %d progress updates", longest, updates);
        QVERIFY(longest < 50);
        QVERIFY(updates > 20);
        QCOMPARE(leftovers(directory.path()), QStringList());
    }

    // SIGTERM in the middle of a test: the process ends and the file with it.
    void terminatedProcessLeavesNoFile()
    {
        QTemporaryDir directory;
        QProcess helper;
        helper.start(QStringLiteral(SPEED_TEST_RUNNER), {QStringLiteral("loop"), directory.path()});
        QVERIFY(helper.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!leftovers(directory.path()).isEmpty(), 10000);
        ::kill(static_cast<pid_t>(helper.processId()), SIGTERM);
        QVERIFY(helper.waitForFinished(10000));
        QCOMPARE(helper.exitStatus(), QProcess::CrashExit);
        QCOMPARE(leftovers(directory.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(LinuxStorageTest)
#include "LinuxStorageTest.moc"
