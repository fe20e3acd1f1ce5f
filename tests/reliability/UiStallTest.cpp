#include "app/AppShell.h"
#include "platform/linux/LinuxStorageDevice.h"
#include "platform/tools/ProfilerHardwareOverview.h"
#include "storage/StorageDiagnosticViewModel.h"
#include "support/FlowSignals.h"
#include "support/StallProbe.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The goal for the longest hold-up of the user-interface thread.
constexpr qint64 longestAllowedStallMs = 50;

// A profiler that answers late, as the real one does on a busy machine.
QString slowProfiler(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("system_profiler"));
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write("#!/bin/sh\nsleep 1.5\necho '{\"SPPowerDataType\": [], \"SPHardwareDataType\": []}'\n");
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return path;
}

} // namespace

// Every module's check on this machine's real backends, with the event loop
// watched for hold-ups.
class UiStallTest : public QObject
{
    Q_OBJECT

private slots:
    void longestStall_data();
    void longestStall();
};

void UiStallTest::longestStall_data()
{
    QTest::addColumn<QString>("module");
    TimerClock clock;
    AppShell shell(makeHostPlatform(), clock, std::make_shared<ThreadSleeper>());
    for (const QVariant &entry : shell.modules()) {
        const QString module = entry.toMap().value(QStringLiteral("module")).toString();
        QTest::newRow(qPrintable(module)) << module;
    }
}

void UiStallTest::longestStall()
{
    QFETCH(QString, module);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Platform platform = makeHostPlatform();
    platform.hardwareOverview = std::make_shared<ProfilerHardwareOverview>(slowProfiler(dir));
    platform.storage = std::make_shared<LinuxStorageDevice>(dir.path(), dir.path());
    TimerClock clock;
    AppShell shell(platform, clock, std::make_shared<ThreadSleeper>());
    shell.registerModule(DiagnosisModule::storage, new StorageDiagnosticViewModel(platform, clock, 64 * 1024 * 1024),
                         QStringLiteral("StorageIntegratedModuleView.qml"));
    FlowSignals published(shell.flow(module));

    StallProbe probe;
    probe.start();
    shell.startModule(module);
    // Until the check has been quiet for a while: done, or waiting for the user.
    QElapsedTimer running;
    running.start();
    QElapsedTimer quiet;
    quiet.start();
    int seen = -1;
    while (running.elapsed() < 30000 && (quiet.elapsed() < 2000 || running.elapsed() < 3000)) {
        QTest::qWait(20);
        if (published.seen != seen) {
            seen = published.seen;
            quiet.restart();
        }
    }
    shell.back();
    probe.stop();
    qInfo("%s: longest stall %lld ms over %lld ms", qPrintable(module), probe.longestGapMs(), running.elapsed());
    QVERIFY2(probe.longestGapMs() <= longestAllowedStallMs, qPrintable(QString::number(probe.longestGapMs())));
}

QTEST_MAIN(UiStallTest)
#include "UiStallTest.moc"
