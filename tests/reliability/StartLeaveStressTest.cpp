#include "app/AppShell.h"
#include "speakers/SpeakerCheckViewModel.h"
#include "support/FakePlatform.h"
#include "support/FakeSpeakerOutput.h"
#include "support/FlowSignals.h"
#include "support/ManualClock.h"
#include "support/ObjectCensus.h"
#include "support/RecordingSleeper.h"
#include "support/StorageMachines.h"
#include "support/SystemMachines.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QThreadPool>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

using namespace std::chrono_literals;

namespace {

constexpr int cycles = 1000;
constexpr int doubleStarts = 100;
// Long enough to reach every automatic phase of every module.
constexpr int latestLeaveMs = 2500;

struct Machine
{
    Machine()
    {
        shell.registerModule(DiagnosisModule::speakers,
                             new SpeakerCheckViewModel(platform, clock, std::make_unique<FakeSpeakerOutput>(&clock)),
                             QStringLiteral("SpeakerIntegratedModuleView.qml"));
        StorageMachines::install(shell, clock, StorageMachines::roomyVerified());
    }
    ManualClock clock;
    Platform platform = makeFakePlatform(SystemMachines::coolAir());
    AppShell shell {platform, clock, std::make_shared<RecordingSleeper>()};
};

// Hands over what the thread pool finished and deletes what was let go.
bool settle()
{
    const bool idle = QThreadPool::globalInstance()->waitForDone(10000);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return idle;
}

void runFor(ManualClock &clock, int ms)
{
    for (int passed = 0; passed < ms; passed += 10) {
        clock.advance(std::chrono::milliseconds(std::min(10, ms - passed)));
        QCoreApplication::processEvents();
    }
}

// The pool's idle threads come and go as Qt sees fit; any other thread left
// behind is ours.
int threadsBesidesThePool()
{
    int count = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        if (name.open(QIODevice::ReadOnly) && !name.readAll().startsWith("Thread (pooled)"))
            ++count;
    }
    return count;
}

} // namespace

class StartLeaveStressTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ObjectCensus::alive(); }
    void startAndLeave_data();
    void startAndLeave();
};

void StartLeaveStressTest::startAndLeave_data()
{
    QTest::addColumn<QString>("module");
    ManualClock clock;
    AppShell shell(makeFakePlatform(SystemMachines::coolAir()), clock, std::make_shared<RecordingSleeper>());
    for (const QVariant &entry : shell.modules()) {
        const QString module = entry.toMap().value(QStringLiteral("module")).toString();
        QTest::newRow(qPrintable(module)) << module;
    }
}

void StartLeaveStressTest::startAndLeave()
{
    QFETCH(QString, module);
    Machine machine;
    DiagnosticFlow *flow = machine.shell.flow(module);
    QVERIFY(flow);
    FlowSignals publications(flow);
    QRandomGenerator random(0x5EED ^ qHash(module));

    // One cycle first: what is made once per process (thread-pool threads,
    // the D-Bus connection) is not a leak.
    machine.shell.startModule(module);
    runFor(machine.clock, latestLeaveMs);
    machine.shell.back();
    QVERIFY(settle());
    const qint64 objects = ObjectCensus::alive();
    const int threads = threadsBesidesThePool();

    int stalePublications = 0;
    auto leaveAndWatch = [&] {
        machine.shell.back();
        publications.seen = 0;
        runFor(machine.clock, 30);
        settle();
        runFor(machine.clock, 30);
        stalePublications += publications.seen;
    };
    for (int cycle = 0; cycle < cycles + doubleStarts; ++cycle) {
        machine.shell.startModule(module);
        if (cycle >= cycles)
            machine.shell.startModule(module);
        runFor(machine.clock, random.bounded(latestLeaveMs));
        leaveAndWatch();
    }
    // Long after the last leave, still nothing.
    publications.seen = 0;
    runFor(machine.clock, 60000);
    QVERIFY(settle());
    stalePublications += publications.seen;

    QCOMPARE(stalePublications, 0);
    QCOMPARE(ObjectCensus::alive(), objects);
    QVERIFY(threadsBesidesThePool() <= threads);
    QCOMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
#if defined(__SANITIZE_ADDRESS__)
    QCOMPARE(__lsan_do_recoverable_leak_check(), 0);
#endif
}

QTEST_GUILESS_MAIN(StartLeaveStressTest)
#include "StartLeaveStressTest.moc"
