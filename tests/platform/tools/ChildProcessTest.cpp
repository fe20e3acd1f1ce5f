#include "platform/tools/ChildProcess.h"
#include "machine/BatteryReader.h"
#include "platform/tools/ProfilerHardwareOverview.h"
#include "support/FakePlatform.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

class Scripts
{
public:
    QString make(const QString &name, const QByteArray &body) const
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write script");
        file.write("#!/bin/sh\n" + body + "\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

class ChildProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void profilerFailuresGiveNoOverview_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::newRow("non-zero exit") << QByteArray("echo '{}'; exit 3");
        QTest::newRow("empty output") << QByteArray("exit 0");
        QTest::newRow("killed by a signal") << QByteArray("echo '{}'; kill -9 $$");
        QTest::newRow("huge output") << QByteArray("exec head -c 40000000 /dev/zero");
    }
    void profilerFailuresGiveNoOverview()
    {
        QFETCH(QByteArray, script);
        Scripts scripts;
        QCOMPARE(ProfilerHardwareOverview(scripts.make("profiler", script)).json(), std::nullopt);
    }

    void launchFailureGivesNoOverview()
    {
        QCOMPARE(ProfilerHardwareOverview(QStringLiteral("/nonexistent/system_profiler")).json(), std::nullopt);
        const ChildProcessResult result = runChildProcess({QStringLiteral("/nonexistent/tool"), {}, {}});
        QVERIFY(!result.launched);
        QVERIFY(!result.succeeded());
    }

    void profilerRunsWithPosixLocaleAndItsArguments()
    {
        Scripts scripts;
        const QString profiler = scripts.make("profiler", "echo \"$LC_ALL $LANG $*\"; echo noise >&2");
        QCOMPARE(ProfilerHardwareOverview(profiler).json(),
                 QByteArray("en_US_POSIX en_US_POSIX -json SPHardwareDataType SPPowerDataType\n"));
    }

    void stopsAProcessThatIgnoresTermination()
    {
        Scripts scripts;
        ChildProcessRequest request {
            scripts.make("stubborn", "trap '' TERM; echo started; while :; do sleep 0.05; done"), {}, {}};
        request.timeLimit = std::chrono::milliseconds(300);
        QElapsedTimer timer;
        timer.start();
        const ChildProcessResult result = runChildProcess(request);
        QVERIFY(result.launched);
        QVERIFY(result.timedOut);
        QVERIFY(!result.succeeded());
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    }

    // The real limit: a hanging tool costs the reader ten seconds, then the
    // registry alone decides.
    void hangingProfilerLeavesTheRegistryAlone()
    {
        Scripts scripts;
        Platform platform =
            makeFakePlatform({QVariantMap {{"CycleCount", 42}}, std::nullopt, QStringLiteral("MacBookPro16,1")});
        platform.hardwareOverview = std::make_shared<ProfilerHardwareOverview>(scripts.make("hang", "exec sleep 60"));
        QElapsedTimer timer;
        timer.start();
        const BatterySnapshot snapshot = BatteryReader(platform).read();
        QVERIFY2(timer.elapsed() >= 9500 && timer.elapsed() < 12000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(snapshot.cycleCount, 42);
        QCOMPARE(snapshot.modelName, QStringLiteral("MacBook Pro"));
    }
};

QTEST_GUILESS_MAIN(ChildProcessTest)
#include "ChildProcessTest.moc"
