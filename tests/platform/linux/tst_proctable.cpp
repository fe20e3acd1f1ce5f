#include "platform/linux/ProcProcessTable.h"
#include "support/FakeTree.h"
#include "support/RecordingSleeper.h"
#include "system/ProcessReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <unistd.h>

#include <cmath>

namespace {

const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
const double pageKB = static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0;

// A proc tree that tests change between rounds.
class FakeProc : public FakeTree
{
public:
    void setUptime(double seconds)
    {
        write(QStringLiteral("proc/uptime"), QByteArray::number(seconds, 'f', 2) + " 1.00\n");
    }

    void setProcess(qint64 pid, const QByteArray &comm, quint64 userTicks, quint64 systemTicks, quint64 startTicks,
                    qint64 residentPages)
    {
        // Fields from the state on, as the kernel writes them.
        QList<QByteArray> fields(44, "0");
        fields[0] = "S";
        fields[11] = QByteArray::number(userTicks);
        fields[12] = QByteArray::number(systemTicks);
        fields[19] = QByteArray::number(startTicks);
        fields[21] = QByteArray::number(residentPages);
        write(QStringLiteral("proc/%1/stat").arg(pid),
              QByteArray::number(pid) + " (" + comm + ") " + fields.join(' ') + "\n");
    }

    void setExecutable(qint64 pid, const QString &target)
    {
        QFile::link(target, root() + QStringLiteral("/proc/%1/exe").arg(pid));
    }

    void remove(qint64 pid) { QDir(root() + QStringLiteral("/proc/%1").arg(pid)).removeRecursively(); }
};

QHash<qint64, ProcessRow> byPid(const QList<ProcessRow> &rows)
{
    QHash<qint64, ProcessRow> result;
    for (const ProcessRow &row : rows)
        result.insert(row.pid, row);
    return result;
}

quint64 ticks(double seconds)
{
    return static_cast<quint64>(std::llround(seconds * ticksPerSecond));
}

} // namespace

class ProcTableTest : public QObject
{
    Q_OBJECT

private slots:
    void measuresCpuBetweenRounds()
    {
        FakeProc proc;
        proc.setUptime(100.0);
        // Started at 50 s, busy for 25 s since: half a core on average.
        proc.setProcess(10, "worker", ticks(20), ticks(5), ticks(50), 2560);
        proc.setExecutable(10, QStringLiteral("/usr/local/bin/worker"));
        proc.setProcess(11, "old", ticks(1), 0, ticks(90), 10);
        proc.setExecutable(11, QStringLiteral("/opt/old"));
        proc.setProcess(12, "gone", 0, 0, ticks(10), 1);
        proc.setExecutable(12, QStringLiteral("/opt/gone"));
        const std::unique_ptr<ProcessRowSource> source = ProcProcessTable(proc.root()).open();

        auto rows = byPid(source->rows());
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[10].cpuPercent, 50.0);
        QCOMPARE(rows[10].residentMemoryKB, 2560 * pageKB);
        QCOMPARE(rows[10].command, QStringLiteral("/usr/local/bin/worker"));
        QCOMPARE(rows[11].cpuPercent, 10.0);

        // Two seconds later: three more seconds of processor time on several
        // cores; pid 11 now belongs to a process started at 101 s.
        proc.setUptime(102.0);
        proc.setProcess(10, "worker", ticks(22), ticks(6), ticks(50), 2560);
        proc.setProcess(11, "new", ticks(0.5), 0, ticks(101), 10);
        proc.remove(12);
        rows = byPid(source->rows());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[10].cpuPercent, 150.0);
        QCOMPARE(rows[11].cpuPercent, 50.0);

        // Idle for the next round.
        proc.setUptime(104.0);
        rows = byPid(source->rows());
        QCOMPARE(rows[10].cpuPercent, 0.0);

        // A fresh source starts from each process's start again.
        rows = byPid(ProcProcessTable(proc.root()).open()->rows());
        QCOMPARE(rows[10].cpuPercent, 28.0 / 54.0 * 100.0);
    }

    void findsTheCommand_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QByteArray>("cmdline");
        QTest::addColumn<QByteArray>("comm");
        QTest::addColumn<QString>("command");
        QTest::newRow("executable link") << "/usr/lib/firefox/firefox" << QByteArray("firefox\0-P\0", 11)
                                         << QByteArray("firefox") << "/usr/lib/firefox/firefox";
        QTest::newRow("replaced executable")
            << "/usr/bin/tool (deleted)" << QByteArray() << QByteArray("tool") << "/usr/bin/tool";
        QTest::newRow("memory file: first argument")
            << "/memfd:sealed-1f (deleted)" << QByteArray("tools/backend\0--x\0", 18) << QByteArray("memfd:sealed-1f")
            << "tools/backend";
        QTest::newRow("unreadable link: first argument")
            << QString() << QByteArray("/usr/bin/python3\0/opt/script.py\0", 33) << QByteArray("python3")
            << "/usr/bin/python3";
        QTest::newRow("kernel thread: name kept whole") << QString() << QByteArray() << QByteArray("kworker/0:1-events")
                                                        << QStringLiteral("kworker\u22150:1-events");
        QTest::newRow("name with blanks and parentheses")
            << QString() << QByteArray() << QByteArray("Web (Content) x") << "Web (Content) x";
    }

    void findsTheCommand()
    {
        QFETCH(QString, executable);
        QFETCH(QByteArray, cmdline);
        QFETCH(QByteArray, comm);
        QFETCH(QString, command);
        FakeProc proc;
        proc.setUptime(10);
        proc.setProcess(42, comm, 0, 0, 0, 1);
        if (!executable.isEmpty())
            proc.setExecutable(42, executable);
        proc.write(QStringLiteral("proc/42/cmdline"), cmdline);
        const QList<ProcessRow> rows = ProcProcessTable(proc.root()).open()->rows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().command, command);
    }

    void skipsWhatIsNotAProcess()
    {
        FakeProc proc;
        proc.setUptime(10);
        proc.setProcess(1, "init", 0, 0, 0, 1);
        proc.write(QStringLiteral("proc/2/stat"), "garbage\n");
        proc.write(QStringLiteral("proc/3/stat"), "3 (short) S 1 2\n");
        proc.write(QStringLiteral("proc/sys/stat"), "not a pid\n");
        proc.write(QStringLiteral("proc/4abc/stat"), "4 (x) S\n");
        QCOMPARE(byPid(ProcProcessTable(proc.root()).open()->rows()).keys(), QList<qint64> {1});
    }

    void noUptimeNoRows()
    {
        FakeProc proc;
        proc.setProcess(1, "init", 0, 0, 0, 1);
        QVERIFY(ProcProcessTable(proc.root()).open()->rows().isEmpty());
    }

    // This machine's own processes come out as a sampling would show them.
    void readsThisMachine()
    {
        if (!QFile::exists(QStringLiteral("/proc/self/stat")))
            QSKIP("no proc file system");
        Platform platform;
        platform.processTable = std::make_shared<ProcProcessTable>();
        ProcessReader reader(platform, std::make_shared<RecordingSleeper>());
        const ProcessLoadReport report = reader.sample(3, 0.2);
        QVERIFY(!report.processes.isEmpty());
        for (const ProcessCPURecord &record : report.processes) {
            QVERIFY2(record.pid != QCoreApplication::applicationPid(), "own process listed");
            QVERIFY2(!record.name.isEmpty(), qPrintable(record.executablePath));
            QVERIFY(std::isfinite(record.averageCPUPercent) && record.averageCPUPercent >= 0);
            QVERIFY(record.peakCPUPercent >= record.averageCPUPercent - 1e-9);
            QVERIFY(record.averageMemoryMB >= 0);
        }
    }
};

QTEST_GUILESS_MAIN(ProcTableTest)
#include "tst_proctable.moc"
