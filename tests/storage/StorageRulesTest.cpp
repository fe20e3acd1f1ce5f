#include "platform/tools/DiskutilInfo.h"
#include "storage/StorageEvaluation.h"
#include "storage/StorageGauge.h"
#include "storage/StorageResult.h"

#include <QTest>

using Status = std::optional<QString>;
Q_DECLARE_METATYPE(Status)

namespace {

constexpr qint64 GB = 1'000'000'000;
constexpr qint64 GiB = qint64(1) << 30;
} // namespace

class StorageRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void evaluation_data()
    {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("free");
        QTest::addColumn<Status>("smart");
        QTest::addColumn<CustomerVerdict>("verdict");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("diagnosis");

        const QString full = QStringLiteral("Sehr wenig freier Speicher");
        const QString tight = QStringLiteral("Freier Speicher wird knapp");
        const QString fine = QStringLiteral("Speicher unauffällig");
        const QString failing = QStringLiteral("Speicherzustand auffällig");
        const auto row = [](const char *tag, qint64 total, qint64 free, const Status &smart, CustomerVerdict verdict,
                            const QString &title) {
            QTest::newRow(tag) << total << free << smart << verdict << title
                               << (title == QStringLiteral("Speicherzustand auffällig"));
        };
        using enum CustomerVerdict;
        row("fraction 0.06, 30 GB free", 500 * GB, 30 * GB, {}, Problem, full);
        row("fraction 0.12, 120 GB free", 1000 * GB, 120 * GB, {}, Notice, tight);
        row("fraction just 0.08", 1000 * GB, 80 * GB, {}, Notice, tight);
        row("fraction just 0.15", 1000 * GB, 150 * GB, {}, Good, fine);
        row("25 GB of 100", 100 * GB, 25 * GB, {}, Good, fine);
        row("just under 10 GB, total unknown", 0, 10 * GB - 1, {}, Problem, full);
        row("10 GB, total unknown", 0, 10 * GB, {}, Notice, tight);
        row("failing drive, plenty free", 1000 * GB, 700 * GB, QStringLiteral("Failing"), Problem, failing);
        row("fatal drive, full", 500 * GB, 1 * GB, QStringLiteral("FATAL error"), Problem, failing);
        row("verified drive, full", 500 * GB, 1 * GB, QStringLiteral("Verified"), Problem, full);
        row("unsupported drive", 1000 * GB, 700 * GB, QStringLiteral("Not Supported"), Good, fine);
    }

    void evaluation()
    {
        QFETCH(qint64, total);
        QFETCH(qint64, free);
        QFETCH(Status, smart);
        QFETCH(CustomerVerdict, verdict);
        QFETCH(QString, title);
        QFETCH(bool, diagnosis);

        StorageSnapshot snapshot;
        snapshot.totalBytes = total;
        snapshot.freeBytes = free;
        snapshot.smartStatus = smart;
        const StorageEvaluation evaluation = evaluateStorage(snapshot);
        QCOMPARE(evaluation.verdict, verdict);
        QCOMPARE(evaluation.title, title);
        QCOMPARE(evaluation.needsHardwareDiagnosis, diagnosis);
        QCOMPARE(storageResult(snapshot, evaluation).offersDiagnosis(), diagnosis);
    }

    // The byte formatter pinned for German: decimal units, two decimals.
    void detailLines()
    {
        const QLocale german(QLocale::German, QLocale::Germany);
        StorageSnapshot snapshot {494'384'795'648, 123'456'789'012, QStringLiteral("Verified"), 2876.9, 3120.2, GiB, 3};
        QCOMPARE(storageDetailLines(snapshot, german),
                 QStringList({QStringLiteral("Frei: 123,46 GB von 494,38 GB"), QStringLiteral("SMART-Status: Verified"),
                              QStringLiteral("Sequenziell Schreiben: 2876 MB/s"),
                              QStringLiteral("Sequenziell Lesen: 3120 MB/s"),
                              QStringLiteral("Benchmark: 3 Durchläufe · Testdatei 1,07 GB · Dateicache umgangen")}));

        snapshot = {0, 0, std::nullopt, std::nullopt, std::nullopt, 256 << 20, 3, CacheBypass::evictedAfterPass};
        QCOMPARE(storageDetailLines(snapshot, german),
                 QStringList({QStringLiteral("Frei: 0 Bytes von 0 Bytes"),
                              QStringLiteral("Benchmark: 3 Durchläufe · Testdatei 268,44 MB · Dateicache nach jedem "
                                             "Durchlauf geleert")}));
        QCOMPARE(storageResult(snapshot, evaluateStorage(snapshot)).writeSpeed, QStringLiteral("Nicht verfügbar"));
    }

    void fileSizeAndMedian()
    {
        QCOMPARE(speedTestFileSize(4 * GiB), qint64(256) << 20);
        QCOMPARE(speedTestFileSize(4 * GiB + 1), qint64(512) << 20);
        QCOMPARE(speedTestFileSize(8 * GiB), qint64(512) << 20);
        QCOMPARE(speedTestFileSize(100 * GB), GiB);

        QCOMPARE(median({1200, 3000, 2800}), 2800.0);
        QCOMPARE(median({4, 1, 3, 2}), 3.0);
        QCOMPARE(median({7}), 7.0);
        QCOMPARE(median({}), std::nullopt);

        const QString name = speedTestFileName();
        QVERIFY(name.startsWith(QLatin1String("ql-disk-speed-")) && name.endsWith(QLatin1String(".bin")));
        QCOMPARE(name.size(), 14 + 36 + 4);
        QVERIFY(name != speedTestFileName());
    }

    void diskutil_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<Status>("status");

        QTest::newRow("verified") << QByteArray("   Device Identifier:         disk3s1s1\n"
                                                "   Solid State:               Yes\n"
                                                "   SMART Status:              Verified\n")
                                  << Status(QStringLiteral("Verified"));
        QTest::newRow("failing, first line counts")
            << QByteArray("SMART Status: Failing \r\nSMART Status: Verified\n") << Status(QStringLiteral("Failing"));
        QTest::newRow("lower case, value with colon") << QByteArray("smart status:   Not Supported: external\n")
                                                      << Status(QStringLiteral("Not Supported: external"));
        QTest::newRow("umlaut kept") << QByteArray("SMART Status: Geprüft\n") << Status(QStringLiteral("Geprüft"));
        QTest::newRow("no such line") << QByteArray("   Device Node: /dev/disk3s1s1\n\n") << Status();
        QTest::newRow("no colon") << QByteArray("SMART Status Verified\n") << Status();
        QTest::newRow("empty") << QByteArray() << Status();
    }

    void diskutil()
    {
        QFETCH(QByteArray, output);
        QFETCH(Status, status);
        QCOMPARE(smartStatusFromDiskutilInfo(output), status);
    }

    void speedometer_data()
    {
        QTest::addColumn<QVariant>("speed");
        QTest::addColumn<double>("angle");
        QTest::addColumn<QString>("dial");
        QTest::addColumn<QString>("live");

        QTest::newRow("none") << QVariant() << -118.0 << QStringLiteral("…") << QStringLiteral("–");
        QTest::newRow("0") << QVariant(0.0) << -118.0 << QStringLiteral("0") << QStringLiteral("0 MB/s");
        QTest::newRow("negative") << QVariant(-5.0) << -118.0 << QStringLiteral("-5") << QStringLiteral("-5 MB/s");
        QTest::newRow("4000") << QVariant(4000.0) << 0.0 << QStringLiteral("4000") << QStringLiteral("4000 MB/s");
        QTest::newRow("2876.9") << QVariant(2876.9) << -118 + 236 * 2876.9 / 8000 << QStringLiteral("2876")
                                << QStringLiteral("2876 MB/s");
        QTest::newRow("9000, past the dial")
            << QVariant(9000.0) << 118.0 << QStringLiteral("9000") << QStringLiteral("9000 MB/s");
        QTest::newRow("text is no speed")
            << QVariant(QStringLiteral("4000")) << -118.0 << QStringLiteral("…") << QStringLiteral("–");
    }

    void speedometer()
    {
        QFETCH(QVariant, speed);
        QFETCH(double, angle);
        QFETCH(QString, dial);
        QFETCH(QString, live);

        const StorageGauge gauge;
        QCOMPARE(gauge.needleAngle(speed), angle);
        QCOMPARE(gauge.dialText(speed), dial);
        QCOMPARE(gauge.liveText(speed), live);
    }

    void speedometerDirection()
    {
        const StorageGauge gauge;
        QCOMPARE(gauge.directionLabel(0.5599), QStringLiteral("SCHREIBEN"));
        QCOMPARE(gauge.directionLabel(0.56), QStringLiteral("LESEN"));
    }
};

QTEST_GUILESS_MAIN(StorageRulesTest)
#include "StorageRulesTest.moc"
