#include "platform/processes/PsOutput.h"
#include "platform/processes/PsProcessTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Rows = QList<ProcessRow>;

class PsOutputTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_scripts;

    QString script(const QString &name, const QByteArray &body)
    {
        const QString path = m_scripts.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("#!/bin/sh\n" + body);
        file.close();
        file.setPermissions(file.permissions() | QFile::ExeOwner);
        return path;
    }

private slots:
    void parsesLines_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<Rows>("expected");

        const ProcessRow trustd {412, 12.5, 20480, QStringLiteral("/usr/libexec/trustd")};
        QTest::newRow("leading blanks, decimal comma")
            << QByteArray("   412  12,5   20480 /usr/libexec/trustd\n") << Rows {trustd};
        QTest::newRow("blanks inside the path stay")
            << QByteArray("  991   0.4  83456 /Applications/Some App.app/Contents/MacOS/Some App\n")
            << Rows {{991, 0.4, 83456, QStringLiteral("/Applications/Some App.app/Contents/MacOS/Some App")}};
        QTest::newRow("tabs separate, the path is trimmed")
            << QByteArray("7\t1.5\t300\t  /bin/a b \t\n") << Rows {{7, 1.5, 300, QStringLiteral("/bin/a b")}};
        QTest::newRow("non-ASCII path") << QByteArray("8 0.0 10 /Applications/Café.app/Contents/MacOS/Café")
                                        << Rows {{8, 0, 10,
                                                  QStringLiteral("/Applications/Café.app/Contents/MacOS/Café")}};
        // Only a line feed ends a row; any other break would cut a path short.
        QTest::newRow("breaks other than a line feed drop the row")
            << QByteArray("1 0 1 /a\r\n2 0 1 /b\r3 0 1 /c\n4 0 1 /d\v5 0 1 /e\n6 0 1 /f\xe2\x80\xa8g\n"
                          "7 0 1 /g\xe2\x80\xa9h\n8 0 1 /h\xc2\x85i\n9 0 1 /i\fj\n10 0 1 /j")
            << Rows {{1, 0, 1, "/a"}, {10, 0, 1, "/j"}};
        QTest::newRow("zero byte inside a command")
            << QByteArray("5 0 1 /bin/a\0b\n6 0 1 /bin/c", 27) << Rows {{6, 0, 1, "/bin/c"}};
        QTest::newRow("bad lines do not spoil good ones") << QByteArray("PID %CPU RSS COMM\n"
                                                                        "12 1.0 300\n"
                                                                        "abc 1.0 300 /bin/x\n"
                                                                        "13 abc 300 /bin/x\n"
                                                                        "14 1.0 12k /bin/x\n"
                                                                        "15 1,2,3 300 /bin/x\n"
                                                                        "16 nan 300 /bin/x\n"
                                                                        "17 1.0 inf /bin/x\n"
                                                                        "18 1.0 300    \n"
                                                                        "4.5 1.0 300 /bin/x\n"
                                                                        "\x01\x02\x03\n"
                                                                        "\n\n"
                                                                        "   412  12,5   20480 /usr/libexec/trustd\n")
                                                          << Rows {trustd};
        QTest::newRow("negative values are no measurement")
            << QByteArray("-9 1.5 2 /bin/x\n9 -1.5 2 /bin/x\n9 1.5 -2 /bin/x\n9 -0 2 /bin/x\n0 0 0 kernel_task")
            << Rows {{0, 0, 0, "kernel_task"}};
        QTest::newRow("empty") << QByteArray() << Rows {};
        QTest::newRow("not UTF-8 spoils everything")
            << QByteArray("   412  12,5   20480 /usr/libexec/trustd\n13 0.0 10 /Applications/Caf\xe9.app\n") << Rows {};
    }

    void parsesLines()
    {
        QFETCH(QByteArray, output);
        QFETCH(Rows, expected);
        QCOMPARE(parsePsOutput(output), expected);
    }

    void runsTheTool_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<Rows>("expected");

        // The script answers only to the exact arguments.
        const QByteArray checkArguments =
            "[ $# -eq 2 ] && [ \"$1\" = -axo ] && [ \"$2\" = pid=,pcpu=,rss=,comm= ] || exit 3\n";
        QTest::newRow("success") << checkArguments + "printf '  1 0.5 100 /sbin/launchd\\n  2 1,5 200 /usr/sbin/a\\n'\n"
                                 << Rows {{1, 0.5, 100, "/sbin/launchd"}, {2, 1.5, 200, "/usr/sbin/a"}};
        QTest::newRow("error output is not read as rows")
            << checkArguments + "printf '  3 0.0 1 /bin/y\\n' >&2\nprintf '  1 0.5 100 /sbin/launchd\\n'\n"
            << Rows {{1, 0.5, 100, "/sbin/launchd"}};
        QTest::newRow("failing exit status") << checkArguments + "printf '  1 0.5 100 /sbin/launchd\\n'\nexit 1\n"
                                             << Rows {};
        QTest::newRow("not UTF-8") << checkArguments + "printf '  1 0.5 100 /sbin/caf\\351\\n'\n" << Rows {};
    }

    void runsTheTool()
    {
        QFETCH(QByteArray, body);
        QFETCH(Rows, expected);
        const PsProcessTable table(script(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'), body));
        QCOMPARE(table.open()->rows(), expected);
    }

    void missingToolGivesNoRows()
    {
        const PsProcessTable table(m_scripts.filePath(QStringLiteral("absent")));
        QVERIFY(table.open()->rows().isEmpty());
    }

    void realToolListsThisProcess()
    {
        if (!QFile::exists(QStringLiteral("/bin/ps")))
            QSKIP("no ps on this machine");
        const Rows rows = PsProcessTable().open()->rows();
        const qint64 own = QCoreApplication::applicationPid();
        QVERIFY(std::any_of(rows.cbegin(), rows.cend(), [own](const ProcessRow &row) { return row.pid == own; }));
    }
};

QTEST_GUILESS_MAIN(PsOutputTest)
#include "tst_psoutput.moc"
