#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

namespace {

bool running(qint64 pid)
{
    if (::kill(static_cast<pid_t>(pid), 0) != 0)
        return false;
    // A killed child lingers as a zombie until its new parent reaps it.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return !stat.open(QIODevice::ReadOnly) || !stat.readAll().contains(") Z ");
}

} // namespace

// Closing the window during the system check ends the process at once,
// whatever the measurements are doing, and takes its child processes along.
class QuitTest : public QObject
{
    Q_OBJECT

private slots:
    void closingDuringCheckEndsAtOnce_data()
    {
        QTest::addColumn<QString>("slowPart");
        QTest::addColumn<bool>("tornDown");
        QTest::newRow("pauses between rounds") << QStringLiteral("pauses") << true;
        QTest::newRow("slow tool") << QStringLiteral("tool") << true;
        // Only a read that never returns is cut off without the teardown.
        QTest::newRow("hung read") << QStringLiteral("read") << false;
    }
    void closingDuringCheckEndsAtOnce()
    {
        QFETCH(QString, slowPart);
        QFETCH(bool, tornDown);
        const QTemporaryDir dir;
        const QString busyFile = dir.filePath(QStringLiteral("busy"));
        QProcess app;
        qint64 child = 0;
        const auto cleanUp = qScopeGuard([&] {
            if (child > 0)
                ::kill(static_cast<pid_t>(child), SIGKILL);
            app.kill();
            app.waitForFinished();
        });
        app.start(QStringLiteral(QUIT_PROBE), {slowPart, busyFile});
        QVERIFY(app.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(busyFile).size() > 0, 20000);
        if (slowPart == QLatin1String("tool")) {
            QFile busy(busyFile);
            QVERIFY(busy.open(QIODevice::ReadOnly));
            child = busy.readAll().trimmed().toLongLong();
            QVERIFY(child > 0 && running(child));
        }
        QTest::qWait(200);

        QElapsedTimer sinceClose;
        sinceClose.start();
        app.write("close\n");
        QVERIFY(app.waitForFinished(10000));
        const qint64 elapsed = sinceClose.elapsed();
        qInfo("exit %lld ms after closing", elapsed);
        QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
        QCOMPARE(app.readAllStandardOutput().contains("torn down"), tornDown);
        if (child > 0)
            QTRY_VERIFY_WITH_TIMEOUT(!running(child), 500);
    }
};

QTEST_GUILESS_MAIN(QuitTest)
#include "QuitTest.moc"
