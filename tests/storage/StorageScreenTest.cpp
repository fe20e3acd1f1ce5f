#include "machine/RepairPages.h"
#include "storage/StorageGauge.h"
#include "support/BatteryMachines.h"
#include "support/qml/AddressCatcher.h"
#include "support/qml/ScreenHarness.h"
#include "support/qml/StorageScenes.h"

#include <QRegularExpression>
#include <QTest>
#include <QThreadPool>

using namespace std::chrono_literals;
using Setup = FakeStorageDevice::Setup;
Q_DECLARE_METATYPE(Setup)

namespace {

constexpr qint64 MiB = 1024 * 1024;
const QRegularExpression speedText(QStringLiteral("^[1-9][0-9]* MB/s$"));

} // namespace

class StorageScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QThreadPool::globalInstance()->setMaxThreadCount(4); }

    void resultShowsVerdictAndSpeeds_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("details");
        QTest::addColumn<bool>("diagnosis");

        QTest::newRow("roomy") << StorageMachines::roomyVerified() << QStringLiteral("Speicher unauffällig") << 5
                               << false;
        QTest::newRow("nearly full, no SMART")
            << StorageMachines::nearlyFull() << QStringLiteral("Sehr wenig freier Speicher") << 4 << false;
        QTest::newRow("failing drive") << StorageMachines::failingDrive() << QStringLiteral("Speicherzustand auffällig")
                                       << 5 << true;
    }

    void resultShowsVerdictAndSpeeds()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, title);
        QFETCH(int, details);
        QFETCH(bool, diagnosis);

        AddressCatcher browser;
        ScreenHarness harness(BatteryMachines::healthyAir());
        QVERIFY(StorageScenes::finish(harness, setup));
        QCOMPARE(harness.shell().currentStep(), 4);
        QCOMPARE(harness.text(QStringLiteral("headerEyebrow")), QStringLiteral("ERGEBNIS"));
        QCOMPARE(harness.text(QStringLiteral("resultCardTitle")), title);
        const QStringList lines = harness.texts(QStringLiteral("resultCardDetail"));
        QCOMPARE(lines.size(), details);
        QVERIFY(lines.last().startsWith(QStringLiteral("Benchmark: 3 Durchläufe · Testdatei 16,78 MB")));
        QVERIFY(
            harness.text(QStringLiteral("storageBenchmarkNote")).startsWith(QStringLiteral("Die gemessenen Werte")));
        const QStringList speeds = harness.texts(QStringLiteral("speedCardValue"));
        QCOMPARE(speeds.size(), 2);
        QVERIFY2(speedText.match(speeds[0]).hasMatch() && speedText.match(speeds[1]).hasMatch(),
                 qPrintable(speeds.join(',')));

        QCOMPARE(harness.isShown(QStringLiteral("storageDiagnosisLink")), diagnosis);
        if (diagnosis) {
            harness.press(QStringLiteral("storageDiagnosisLink"));
            QCOMPARE(browser.opened, QList<QUrl> {RepairPages::diagnosisEstimate()});
        }
        harness.press(QStringLiteral("moduleBackButton"));
        QCOMPARE(harness.shell().routeName(), QStringLiteral("selection"));
    }

    void runningScreenSweepsWithoutASpeed()
    {
        ScreenHarness harness(BatteryMachines::healthyAir());
        const auto device = StorageScenes::hold(harness, 0);
        QCOMPARE(harness.shell().currentStep(), 3);
        QCOMPARE(harness.text(QStringLiteral("headerEyebrow")), QStringLiteral("GESCHWINDIGKEITSTEST"));
        QCOMPARE(harness.text(QStringLiteral("headerTitle")), QStringLiteral("SSD wird gemessen"));
        QCOMPARE(harness.text(QStringLiteral("headerSubtitle")),
                 QStringLiteral("Schreibgeschwindigkeit wird gemessen …"));
        QCOMPARE(harness.texts(QStringLiteral("storageNote")).size(), 2);
        QCOMPARE(harness.text(QStringLiteral("speedometerDirection")), QStringLiteral("SCHREIBEN"));
        QCOMPARE(harness.text(QStringLiteral("speedometerValue")), QStringLiteral("…"));
        QCOMPARE(harness.text(QStringLiteral("speedometerUnit")), QStringLiteral("MB/s wird gemessen"));
        QCOMPARE(harness.texts(QStringLiteral("liveValue")), QStringList({QStringLiteral("–"), QStringLiteral("–")}));
        // The needle swings in real time, within its range.
        QQuickItem *needle = harness.find(QStringLiteral("speedometerNeedle"));
        const qreal before = needle->rotation();
        QTest::qWait(200);
        QVERIFY(needle->rotation() != before);
        QVERIFY(std::abs(needle->rotation()) <= 102);
    }

    void runningScreenShowsTheLastPassSpeed()
    {
        ScreenHarness harness(BatteryMachines::healthyAir());
        // Held in the third write pass, with the second pass's speed shown.
        const auto device = StorageScenes::hold(harness, 32 * MiB);
        QVERIFY(QRegularExpression(QStringLiteral("^Schreiben · [0-9]+ MB/s$"))
                    .match(harness.text(QStringLiteral("headerSubtitle")))
                    .hasMatch());
        QCOMPARE(harness.text(QStringLiteral("speedometerUnit")), QStringLiteral("MB/s"));
        const QVariant speed = harness.shell().storageModel()->property("currentWriteMBps");
        QCOMPARE(harness.text(QStringLiteral("speedometerValue")), StorageGauge().dialText(speed));
        QCOMPARE(harness.texts(QStringLiteral("liveValue")),
                 QStringList({StorageGauge().liveText(speed), QStringLiteral("–")}));
        // The needle glides there in real time.
        QTRY_COMPARE(harness.find(QStringLiteral("speedometerNeedle"))->rotation(), StorageGauge().needleAngle(speed));
    }

    void errorScreenOffersARetry()
    {
        ScreenHarness harness(BatteryMachines::healthyAir());
        QVERIFY(StorageScenes::finish(harness, StorageMachines::fullVolume()));
        QCOMPARE(harness.shell().currentStep(), 3);
        QCOMPARE(harness.text(QStringLiteral("headerTitle")), QStringLiteral("Speicher nicht prüfbar"));
        QCOMPARE(harness.text(QStringLiteral("headerSubtitle")),
                 QStringLiteral("Der Schreibtest konnte nicht vollständig ausgeführt werden."));
        harness.press(QStringLiteral("moduleRetryButton"));
        QCOMPARE(harness.shell().storageModel()->phaseName(), QStringLiteral("checking"));
    }
};

QTEST_MAIN(StorageScreenTest)
#include "StorageScreenTest.moc"
