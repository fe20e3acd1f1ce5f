#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Sockets that stay on this machine: the display and sound servers' local
// sockets and the kernel's device notices.
const QStringList localFamilies {QStringLiteral("AF_UNIX"), QStringLiteral("AF_LOCAL"), QStringLiteral("AF_NETLINK")};

// What may be written: the caches of Qt and fontconfig, the null device, and
// the speed test's own file.
QList<QRegularExpression> allowedWrites(const QString &home, const QString &speedTestDirectory)
{
    const QString cache = QRegularExpression::escape(home + QStringLiteral("/.cache/"));
    return {
        QRegularExpression(QStringLiteral("^%1(fontconfig|qtshadercache[^/]*)/").arg(cache)),
        QRegularExpression(QStringLiteral("^/dev/null$")),
        QRegularExpression(
            QStringLiteral("^%1/ql-disk-speed-[0-9a-f-]+\\.bin$").arg(QRegularExpression::escape(speedTestDirectory))),
    };
}

// The offences in one line of strace's log, if any.
QString offence(const QString &line, const QList<QRegularExpression> &allowed)
{
    static const QRegularExpression call(QStringLiteral("^(?:\\d+ +)?(\\w+)\\((.*)$"));
    static const QRegularExpression family(QStringLiteral("\\bAF_\\w+"));
    static const QRegularExpression path(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    static const QRegularExpression writing(QStringLiteral("O_WRONLY|O_RDWR|O_CREAT|O_TRUNC"));
    const QRegularExpressionMatch match = call.match(line);
    if (!match.hasMatch())
        return {};
    const QString name = match.captured(1);
    const QString arguments = match.captured(2);
    const bool opening = name == QLatin1String("open") || name == QLatin1String("openat");
    if (name == QLatin1String("creat") || name.startsWith(QLatin1String("rename")) ||
        (opening && writing.match(arguments).hasMatch())) {
        for (auto it = path.globalMatch(arguments); it.hasNext();) {
            const QString written = it.next().captured(1);
            if (std::none_of(allowed.begin(), allowed.end(),
                             [&](const QRegularExpression &place) { return place.match(written).hasMatch(); }))
                return line;
        }
        return {};
    }
    if (opening)
        return {};
    for (auto it = family.globalMatch(arguments); it.hasNext();) {
        if (!localFamilies.contains(it.next().captured(0)))
            return line;
    }
    return {};
}

} // namespace

// The application walked through every module under strace: it opens no
// socket beyond this machine and writes nothing outside its caches.
class NoNetworkNoWritesTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheLog_data();
    void readsTheLog();
    void walkThroughEveryModule();
};

void NoNetworkNoWritesTest::readsTheLog_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("offends");
    const QList<std::pair<const char *, bool>> lines {
        {R"(812 socket(AF_UNIX, SOCK_STREAM|SOCK_CLOEXEC, 0) = 5)", false},
        {R"(812 socket(AF_NETLINK, SOCK_RAW|SOCK_CLOEXEC, NETLINK_KOBJECT_UEVENT) = 6)", false},
        {R"(812 socket(AF_INET6, SOCK_DGRAM|SOCK_CLOEXEC, IPPROTO_IP) = 7)", true},
        {R"(connect(7, {sa_family=AF_INET, sin_port=htons(443), sin_addr=inet_addr("1.2.3.4")}, 16) = 0)", true},
        {R"(openat(AT_FDCWD, "/etc/fonts/fonts.conf", O_RDONLY|O_CLOEXEC) = 3)", false},
        {R"(openat(AT_FDCWD, "/home/u/.cache/fontconfig/x.cache-8", O_RDWR|O_CREAT, 0666) = 4)", false},
        {R"(openat(AT_FDCWD, "/home/u/.config/x.conf", O_WRONLY|O_CREAT|O_TRUNC, 0666) = 4)", true},
        {R"(openat(AT_FDCWD, "/spd/ql-disk-speed-0f1e2d3c-aaaa-4bbb-8ccc-123456789abc.bin", O_RDWR|O_CREAT|O_DIRECT, 0600) = 9)",
         false},
        {R"(openat(AT_FDCWD, "/spd/other.bin", O_RDWR|O_CREAT, 0600) = 9)", true},
        {R"(rename("/home/u/.cache/qtshadercache-x/a.tmp", "/home/u/.cache/qtshadercache-x/a") = 0)", false},
        {R"(rename("/home/u/a", "/home/u/b") = 0)", true},
    };
    for (const auto &[line, offends] : lines)
        QTest::newRow(line) << QString::fromUtf8(line) << offends;
}

void NoNetworkNoWritesTest::readsTheLog()
{
    QFETCH(QString, line);
    QFETCH(bool, offends);
    QCOMPARE(!offence(line, allowedWrites(QStringLiteral("/home/u"), QStringLiteral("/spd"))).isEmpty(), offends);
}

void NoNetworkNoWritesTest::walkThroughEveryModule()
{
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        QSKIP("strace is not installed (scripts/setup installs it)");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString speedTestDirectory = dir.filePath(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(speedTestDirectory));
    const QString log = dir.filePath(QStringLiteral("strace.log"));

    QProcess app;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The speed test picks the temporary directory first.
    environment.insert(QStringLiteral("TMPDIR"), speedTestDirectory);
    // As in any desktop session; without it the sound library links a
    // runtime folder of its own into the home.
    const QString runtimeDirectory = dir.filePath(QStringLiteral("run"));
    QVERIFY(QDir().mkpath(runtimeDirectory));
    QFile::setPermissions(runtimeDirectory, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory);
    app.setProcessEnvironment(environment);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.start(strace,
              {QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-s"), QStringLiteral("512"),
               QStringLiteral("-e"), QStringLiteral("trace=network,open,openat,creat,rename,renameat,renameat2"),
               QStringLiteral("-o"), log, QStringLiteral(ROUTE_PROBE)});
    QVERIFY(app.waitForFinished(180000));
    QCOMPARE(app.exitCode(), 0);

    QFile trace(log);
    QVERIFY(trace.open(QIODevice::ReadOnly));
    const QList<QRegularExpression> allowed = allowedWrites(QDir::homePath(), speedTestDirectory);
    QStringList offences;
    int calls = 0;
    while (!trace.atEnd()) {
        const QString line = QString::fromUtf8(trace.readLine()).trimmed();
        ++calls;
        if (const QString found = offence(line, allowed); !found.isEmpty())
            offences << found;
    }
    QVERIFY2(calls > 100, "strace saw almost nothing");
    QVERIFY2(offences.isEmpty(), qPrintable(offences.join(QLatin1Char('\n'))));
    // The speed test's file went with the test.
    QCOMPARE(QDir(speedTestDirectory).entryList(QDir::Files), QStringList());
}

QTEST_GUILESS_MAIN(NoNetworkNoWritesTest)
#include "NoNetworkNoWritesTest.moc"
