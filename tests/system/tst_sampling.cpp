#include "support/FakePlatform.h"
#include "support/RecordingSleeper.h"
#include "system/ProcessReader.h"

#include <QCoreApplication>
#include <QtTest>

#include <numeric>

using namespace std::chrono_literals;
using Rounds = QList<QList<ProcessRow>>;
using Pauses = QList<std::chrono::milliseconds>;

namespace {

struct Measurement
{
    ProcessLoadReport report;
    Pauses pauses;
};

Measurement measure(const Rounds &rounds, int sampleCount, double interval)
{
    SimulatedMachine machine;
    machine.processRounds = rounds;
    const auto sleeper = std::make_shared<RecordingSleeper>();
    ProcessReader reader(makeFakePlatform(machine), sleeper);
    ProcessLoadReport report = reader.sample(sampleCount, interval);
    return {std::move(report), sleeper->pauses()};
}

const ProcessCPURecord *find(const ProcessLoadReport &report, qint64 pid)
{
    for (const ProcessCPURecord &record : report.processes) {
        if (record.pid == pid)
            return &record;
    }
    return nullptr;
}

} // namespace

class SamplingTest : public QObject
{
    Q_OBJECT

private slots:
    void roundsAndPauses_data()
    {
        QTest::addColumn<int>("sampleCount");
        QTest::addColumn<double>("interval");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<Pauses>("pauses");
        QTest::newRow("at least three rounds, 0.2 s") << 1 << 0.1 << 3 << Pauses {200ms, 200ms};
        QTest::newRow("negative values") << -5 << -1.0 << 3 << Pauses {200ms, 200ms};
        QTest::newRow("missing interval") << 3 << qQNaN() << 3 << Pauses {200ms, 200ms};
        QTest::newRow("the check's values") << 8 << 0.42 << 8 << Pauses(7, 420ms);
        QTest::newRow("no upper bound") << 12 << 1.5 << 12 << Pauses(11, 1500ms);
    }

    void roundsAndPauses()
    {
        QFETCH(int, sampleCount);
        QFETCH(double, interval);
        QFETCH(int, rounds);
        QFETCH(Pauses, pauses);
        // One more scripted round than needed shows that no extra round is read.
        const QList<ProcessRow> round {{100, 1.0, 1024, QStringLiteral("/usr/sbin/x")}};
        const Measurement measurement = measure(Rounds(rounds + 1, round), sampleCount, interval);
        QCOMPARE(measurement.report.sampleCount, rounds);
        QCOMPARE(measurement.report.processes.size(), 1);
        QCOMPARE(measurement.report.processes.first().sampleCount, rounds);
        QCOMPARE(measurement.pauses, pauses);
        // Measured in the sleeper's time: the pauses, and next to nothing for the readings.
        const double paused = std::chrono::duration<double>(std::accumulate(pauses.begin(), pauses.end(), 0ms)).count();
        QVERIFY2(measurement.report.durationSeconds >= paused && measurement.report.durationSeconds < paused + 0.5,
                 qPrintable(QString::number(measurement.report.durationSeconds)));
    }

    void condensesEachProcess()
    {
        const qint64 own = QCoreApplication::applicationPid();
        // Another instance of this very program is no culprit either.
        const QString ownExecutable = QCoreApplication::applicationFilePath();
        const Rounds rounds {
            {{10, 10, 1024, "/usr/libexec/a"},
             {20, 40, 4096, "/usr/local/bin/b"},
             {own, 99, 1, "/self"},
             {own + 1, 95, 1, ownExecutable}},
            {{10, 20, 2048, "/usr/libexec/a"}, {own, 99, 1, "/self"}},
            {{10, 30, 3072, "/usr/libexec/a"}, {20, -5, -1024, "/usr/local/bin/b"}},
            {{10, 60, 0, "/Applications/Other.app/Contents/MacOS/Other"}},
        };
        const ProcessLoadReport report = measure(rounds, 4, 0.5).report;

        QCOMPARE(report.processes.size(), 2);
        QVERIFY(!find(report, own));
        QVERIFY(!find(report, own + 1));

        const ProcessCPURecord *a = find(report, 10);
        QVERIFY(a);
        // A pid keeps the name and kind it was first seen with.
        QCOMPARE(a->name, QStringLiteral("a"));
        QCOMPARE(a->executablePath, QStringLiteral("/usr/libexec/a"));
        QCOMPARE(a->origin, ProcessOrigin::appleSystem);
        QCOMPARE(a->sampleCount, 4);
        QCOMPARE(a->averageCPUPercent, 30.0);
        QCOMPARE(a->peakCPUPercent, 60.0);
        QCOMPARE(a->averageMemoryMB, 1.5);

        // Seen in two rounds; negative readings count as zero.
        const ProcessCPURecord *b = find(report, 20);
        QVERIFY(b);
        QCOMPARE(b->origin, ProcessOrigin::background);
        QCOMPARE(b->sampleCount, 2);
        QCOMPARE(b->averageCPUPercent, 20.0);
        QCOMPARE(b->peakCPUPercent, 40.0);
        QCOMPARE(b->averageMemoryMB, 2.0);
    }

    void sortsByAverageThenPeak()
    {
        const Rounds rounds {
            {{1, 10, 0, "/bin/low-peak"}, {2, 0, 0, "/bin/high-peak"}, {3, 5, 0, "/bin/idle"}, {4, 50, 0, "/bin/busy"}},
            {{1, 20, 0, "/bin/low-peak"},
             {2, 30, 0, "/bin/high-peak"},
             {3, 5, 0, "/bin/idle"},
             {4, 50, 0, "/bin/busy"}},
            {{1, 0, 0, "/bin/low-peak"}, {2, 0, 0, "/bin/high-peak"}, {3, 5, 0, "/bin/idle"}, {4, 50, 0, "/bin/busy"}},
        };
        const ProcessLoadReport report = measure(rounds, 3, 0.2).report;
        QList<qint64> order;
        for (const ProcessCPURecord &record : report.processes)
            order << record.pid;
        QCOMPARE(order, (QList<qint64> {4, 2, 1, 3}));
    }

    void failedReadingsLeaveAnEmptyReport()
    {
        const ProcessLoadReport report = measure({}, 8, 0.42).report;
        QVERIFY(report.processes.isEmpty());
        QCOMPARE(report.sampleCount, 8);
        QCOMPARE(report.sourceDescription, QStringLiteral("macOS Prozessliste (ps), mehrfach lokal gemessen"));
    }
};

QTEST_GUILESS_MAIN(SamplingTest)
#include "tst_sampling.moc"
