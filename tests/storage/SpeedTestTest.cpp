#include "storage/StorageBenchmark.h"
#include "support/FakeStorageDevice.h"

#include <QTest>

#include <functional>

using Setup = FakeStorageDevice::Setup;
using SetupChange = std::function<void(Setup &)>;
Q_DECLARE_METATYPE(SetupChange)
Q_DECLARE_METATYPE(StorageBenchmarkError)

namespace {

constexpr qint64 MiB = 1024 * 1024;
constexpr qint64 GB = 1'000'000'000;

// Hands out the given instants in turn.
std::function<double()> instants(QList<double> times)
{
    auto queue = std::make_shared<QList<double>>(std::move(times));
    return [queue] { return queue->isEmpty() ? 0.0 : queue->takeFirst(); };
}

} // namespace

class SpeedTestTest : public QObject
{
    Q_OBJECT

private slots:
    void oneGibibyteRunReportsItsProgress()
    {
        FakeStorageDevice device({});
        QList<StorageBenchmarkUpdate> updates;
        SpeedTestSettings settings;
        // Write passes of 1, 0.25 and 0.5 s; read passes of 0.5, 0.25 and no measurable time.
        settings.seconds = instants({0, 1, 1, 1.25, 2, 2.5, 3, 3.5, 4, 4.25, 5, 5});
        const SpeedTestOutcome outcome = runSpeedTest(
            device, 100 * GB, [&updates](const StorageBenchmarkUpdate &update) { updates << update; }, settings);

        QVERIFY(outcome.result && !outcome.error);
        const double gigabytes = 1073.741824;
        QCOMPARE(outcome.result->fileBytes, 1024 * MiB);
        QCOMPARE(outcome.result->passes, 3);
        QCOMPARE(outcome.result->writeMBps, gigabytes / 0.5);
        QCOMPARE(outcome.result->readMBps, gigabytes / 0.25);
        QVERIFY(device.existingFiles().isEmpty());
        QCOMPARE(device.openedFiles().size(), 1);

        // 16 reports per pass and one at its end, in each of six passes, plus
        // the two announcements and the closing one; the stages' bounds and
        // the speeds as each pass ends.
        QCOMPARE(updates.size(), 6 * 17 + 3);
        const std::optional<double> none;
        QCOMPARE(updates[0], (StorageBenchmarkUpdate {0.22, QStringLiteral("Schreibgeschwindigkeit wird gemessen …")}));
        QCOMPARE(
            updates[17],
            (StorageBenchmarkUpdate {1 * 0.33 / 3 + 0.22, QStringLiteral("Schreiben · 1073 MB/s"), gigabytes, none}));
        QCOMPARE(updates[52],
                 (StorageBenchmarkUpdate {0.58, QStringLiteral("Lesegeschwindigkeit wird gemessen …"), gigabytes * 2,
                                          none}));
        // The pass without measurable time counts as one millisecond.
        QCOMPARE(updates[103],
                 (StorageBenchmarkUpdate {3 * 0.3 / 3 + 0.58, QStringLiteral("Lesen · 1073741 MB/s"), gigabytes * 2,
                                          gigabytes / 0.001}));
        QCOMPARE(updates[104],
                 (StorageBenchmarkUpdate {0.9, QStringLiteral("Messwerte werden ausgewertet …"), gigabytes * 2,
                                          gigabytes * 4}));
        for (qsizetype i = 1; i < updates.size(); ++i)
            QVERIFY2(updates[i].progress >= updates[i - 1].progress, qPrintable(QString::number(i)));
    }

    void failureRemovesTheFile_data()
    {
        QTest::addColumn<SetupChange>("change");
        QTest::addColumn<StorageBenchmarkError>("error");

        QTest::newRow("cannot create") << SetupChange([](Setup &s) { s.failingWriteOpen = 1; })
                                       << StorageBenchmarkError::couldNotOpen;
        QTest::newRow("cannot reopen for pass 2")
            << SetupChange([](Setup &s) { s.failingWriteOpen = 2; }) << StorageBenchmarkError::couldNotOpen;
        QTest::newRow("volume full") << SetupChange([](Setup &s) { s.spaceBytes = 20 * MiB; })
                                     << StorageBenchmarkError::writeFailed;
        QTest::newRow("flush fails") << SetupChange([](Setup &s) { s.failingFlush = true; })
                                     << StorageBenchmarkError::writeFailed;
        QTest::newRow("cannot open for reading")
            << SetupChange([](Setup &s) { s.failingReadOpen = 3; }) << StorageBenchmarkError::couldNotOpen;
        QTest::newRow("file ends early") << SetupChange([](Setup &s) { s.readableBytes = 10 * MiB; })
                                         << StorageBenchmarkError::readFailed;
    }

    void failureRemovesTheFile()
    {
        QFETCH(SetupChange, change);
        QFETCH(StorageBenchmarkError, error);

        Setup setup;
        change(setup);
        FakeStorageDevice device(setup);
        SpeedTestSettings settings;
        settings.fileBytes = 32 * MiB;
        const SpeedTestOutcome outcome = runSpeedTest(device, 100 * GB, {}, settings);
        QVERIFY(!outcome.result);
        QCOMPARE(outcome.error, error);
        QVERIFY(device.existingFiles().isEmpty());
    }

    void cancelStopsWithinOneBlock()
    {
        FakeStorageDevice device({});
        std::atomic<bool> cancelled = false;
        qint64 writtenWhenCancelled = 0;
        QList<StorageBenchmarkUpdate> updates;
        SpeedTestSettings settings;
        settings.cancelled = &cancelled;
        const auto cancelInPassTwo = [&](const StorageBenchmarkUpdate &update) {
            updates << update;
            if (!cancelled && update.text == QStringLiteral("Schreiben · Durchlauf 2 von 3")) {
                cancelled = true;
                writtenWhenCancelled = device.bytesWritten();
            }
        };
        const SpeedTestOutcome outcome = runSpeedTest(device, 100 * GB, cancelInPassTwo, settings);

        QVERIFY(!outcome.result && !outcome.error);
        QVERIFY(device.bytesWritten() - writtenWhenCancelled <= speedTestBlockBytes);
        QCOMPARE(updates.last().text, QStringLiteral("Schreiben · Durchlauf 2 von 3"));
        QVERIFY(device.existingFiles().isEmpty());
    }
};

QTEST_GUILESS_MAIN(SpeedTestTest)
#include "SpeedTestTest.moc"
