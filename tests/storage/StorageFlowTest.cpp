#include "storage/StorageDiagnosticViewModel.h"
#include "support/FakeStorageDevice.h"
#include "support/FlowBench.h"
#include "support/ManualClock.h"

#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

using namespace std::chrono_literals;
using Phase = StorageDiagnosticViewModel::Phase;

namespace {

constexpr qint64 MiB = 1024 * 1024;
constexpr qint64 GB = 1'000'000'000;

std::shared_ptr<FakeStorageDevice> heldDevice(FakeStorageDevice::Setup setup = {})
{
    setup.capacities = {500 * GB, std::nullopt, 200 * GB};
    setup.smartStatus = QStringLiteral("Verified");
    setup.gateAtBytes = 0;
    return std::make_shared<FakeStorageDevice>(setup);
}

Platform platformWith(std::shared_ptr<const StorageDevice> device)
{
    Platform platform;
    platform.storage = std::move(device);
    return platform;
}

void waitForTest()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
}

} // namespace

class StorageFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QThreadPool::globalInstance()->setMaxThreadCount(4); }

    // Done after 2 s, shown until 5.5 s.
    void fastCheckStaysVisible()
    {
        const auto device = heldDevice();
        ManualClock clock;
        StorageDiagnosticViewModel model(platformWith(device), clock, 16 * MiB);
        FlowBench bench(model, clock);
        model.start();
        QCOMPARE(model.phase(), Phase::checking);
        QCOMPARE(model.sidebarStep(), 3);
        QTRY_COMPARE(model.progressText(), QStringLiteral("Schreibgeschwindigkeit wird gemessen …"));
        QCOMPARE(model.progress(), 0.22);
        QVERIFY(model.currentWriteMBps().isNull());
        bench.advance(2000ms);
        device->release();
        waitForTest();

        QCOMPARE(model.phase(), Phase::checking);
        QCOMPARE(model.progress(), 0.94);
        QCOMPARE(model.progressText(), QStringLiteral("Ergebnis wird vorbereitet …"));
        QVERIFY(!model.currentReadMBps().isNull());
        bench.advance(3490ms);
        QCOMPARE(model.phase(), Phase::checking);
        bench.advance(10ms);
        QCOMPARE(model.phase(), Phase::result);
        QCOMPARE(model.sidebarStep(), 4);
        QCOMPARE(model.progress(), 1.0);

        QCOMPARE(bench.texts.mid(0, 4),
                 QStringList({QStringLiteral("Speicher wird vorbereitet …"),
                              QStringLiteral("Speicherkapazität wird ermittelt …"),
                              QStringLiteral("Laufwerksstatus wird geprüft …"),
                              QStringLiteral("Schreibgeschwindigkeit wird gemessen …")}));
        QVERIFY(bench.texts.contains(QStringLiteral("Lesen · Durchlauf 1 von 3")));
        QCOMPARE(bench.phases.back().at, 5500);
        QVERIFY(model.hasResult());
        QCOMPARE(model.snapshot()->freeBytes, 200 * GB);
        QCOMPARE(model.snapshot()->benchmarkBytes, 16 * MiB);
        QCOMPARE(model.currentWriteMBps().toDouble(), *model.snapshot()->writeMBps);
        QCOMPARE(model.result().verdict, CustomerVerdict::Good);
        QCOMPARE(model.result().details.size(), 5);
        QVERIFY(device->existingFiles().isEmpty());

        model.reset();
        QCOMPARE(model.phase(), Phase::start);
        QVERIFY(!model.hasResult());
        QVERIFY(model.currentWriteMBps().isNull());
    }

    void slowCheckShowsItsResultAtOnce()
    {
        const auto device = heldDevice();
        ManualClock clock;
        StorageDiagnosticViewModel model(platformWith(device), clock, 16 * MiB);
        FlowBench bench(model, clock);
        model.start();
        bench.advance(6000ms);
        device->release();
        waitForTest();
        QCOMPARE(model.phase(), Phase::result);
        QVERIFY(!bench.texts.contains(QStringLiteral("Ergebnis wird vorbereitet …")));
    }

    void failedTestShowsItsSentence()
    {
        FakeStorageDevice::Setup setup;
        setup.spaceBytes = 4 * MiB;
        const auto device = heldDevice(setup);
        device->release();
        ManualClock clock;
        StorageDiagnosticViewModel model(platformWith(device), clock, 16 * MiB);
        model.start();
        waitForTest();
        QCOMPARE(model.phase(), Phase::error);
        QCOMPARE(model.sidebarStep(), 3);
        QCOMPARE(model.errorMessage(), QStringLiteral("Der Schreibtest konnte nicht vollständig ausgeführt werden."));
        QVERIFY(!model.hasResult());
        QVERIFY(device->existingFiles().isEmpty());

        model.start();
        QCOMPARE(model.phase(), Phase::checking);
        QVERIFY(model.errorMessage().isEmpty());
    }

    // Leaving mid-test, or the flow going away, stops the test within one
    // block; the file goes and the flow hears nothing more.
    void leavingStopsTheTest_data()
    {
        QTest::addColumn<bool>("destroyed");
        QTest::newRow("reset") << false;
        QTest::newRow("flow destroyed") << true;
    }

    void leavingStopsTheTest()
    {
        QFETCH(bool, destroyed);
        const auto device = heldDevice();
        ManualClock clock;
        auto *model = new StorageDiagnosticViewModel(platformWith(device), clock, 256 * MiB);
        model->start();
        QTRY_COMPARE(device->writePassesBegun(), 1);

        QSignalSpy phase(model, &DiagnosticFlow::phaseChanged);
        QSignalSpy progress(model, &DiagnosticFlow::progressChanged);
        if (destroyed) {
            delete model;
            model = nullptr;
        } else {
            model->reset();
            phase.clear();
            progress.clear();
        }
        device->release();
        waitForTest();
        clock.advance(6000ms);
        QCoreApplication::processEvents();

        QVERIFY(device->existingFiles().isEmpty());
        QVERIFY(device->bytesWritten() <= speedTestBlockBytes);
        QCOMPARE(phase.count() + progress.count(), 0);
        delete model;
    }

    void withoutStorageTheCheckFails()
    {
        ManualClock clock;
        StorageDiagnosticViewModel model(Platform {}, clock);
        model.start();
        waitForTest();
        QCOMPARE(model.phase(), Phase::error);
    }
};

QTEST_GUILESS_MAIN(StorageFlowTest)
#include "StorageFlowTest.moc"
