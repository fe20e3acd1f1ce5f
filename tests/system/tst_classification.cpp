#include "system/ProcessReader.h"

#include <QtTest>

using Note = std::optional<QString>;

class ClassificationTest : public QObject
{
    Q_OBJECT

private slots:
    void classifies_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<ProcessOrigin>("origin");
        QTest::addColumn<Note>("note");

        const Note spotlight = QStringLiteral("Spotlight führt wahrscheinlich eine Indizierung aus");
        const Note windowServer = QStringLiteral("WindowServer zeichnet Fenster und Bildschirminhalte; hohe Last kann "
                                                 "durch Displays, viele Fenster oder Animationen entstehen");
        const Note timeMachine = QStringLiteral("Time Machine führt wahrscheinlich eine Sicherung aus");
        const auto system = ProcessOrigin::appleSystem;
        const auto app = ProcessOrigin::application;
        const auto helper = ProcessOrigin::helper;
        const auto background = ProcessOrigin::background;
        const auto unknown = ProcessOrigin::unknown;

        QTest::newRow("system path") << "/usr/libexec/trustd"
                                     << "trustd" << system << Note();
        QTest::newRow("system path, any case") << "/SYSTEM/Library/CoreServices/Dock"
                                               << "Dock" << system << Note();
        QTest::newRow("system path with note")
            << "/System/Library/PrivateFrameworks/SkyLight.framework/Resources/WindowServer"
            << "WindowServer" << system << windowServer;
        QTest::newRow("Linux system path") << "/usr/bin/bash"
                                           << "bash" << system << Note();
        QTest::newRow("bare daemon, any case") << "MDS_Stores"
                                               << "MDS_Stores" << system << spotlight;
        QTest::newRow("bare unknown") << "randomd"
                                      << "randomd" << unknown << Note();
        QTest::newRow("Linux path outside the rules") << "/usr/lib/systemd/systemd"
                                                      << "systemd" << unknown << Note();
        QTest::newRow("application with blanks") << "/Applications/Some App.app/Contents/MacOS/Some App"
                                                 << "Some App" << app << Note();
        QTest::newRow("application bundle in any case") << "/Applications/Tool.APP/Contents/MacOS/tool"
                                                        << "Tool" << app << Note();
        QTest::newRow("XPC service")
            << "/Applications/Some App.app/Contents/XPCServices/Renderer.xpc/Contents/MacOS/Renderer"
            << "Some App" << helper << Note();
        QTest::newRow("framework helper")
            << "/Applications/Some Browser.app/Contents/Frameworks/Some Browser Framework.framework/Versions/A/Helpers/"
               "Some Browser Helper.app/Contents/MacOS/Some Browser Helper"
            << "Some Browser Helper" << helper << Note();
        QTest::newRow("agent by name") << "/Applications/Sync.app/Contents/MacOS/Sync Agent"
                                       << "Sync" << helper << Note();
        QTest::newRow("note follows the executable, not the bundle")
            << "/Applications/Backup.app/Contents/MacOS/backupd"
            << "Backup" << app << timeMachine;
        QTest::newRow("system path beats bundle") << "/usr/bin/Tool.app/Contents/MacOS/tool"
                                                  << "tool" << system << Note();
        QTest::newRow("bundle beats library") << "/Library/Foo.app/Contents/MacOS/Foo"
                                              << "Foo" << app << Note();
        QTest::newRow("library") << "/Library/Application Support/Vendor/daemon"
                                 << "daemon" << background << Note();
        QTest::newRow("opt") << "/opt/homebrew/bin/node"
                             << "node" << background << Note();
        QTest::newRow("usr local") << "/usr/local/bin/tool"
                                   << "tool" << background << Note();
        QTest::newRow("user folder") << "/Users/x/bin/miner"
                                     << "miner" << background << Note();
        QTest::newRow("user folder daemon name") << "/Users/x/bin/mds"
                                                 << "mds" << background << spotlight;
        QTest::newRow("trailing slash") << "/tmp/tool/"
                                        << "tool" << unknown << Note();
        QTest::newRow("root only") << "/"
                                   << "/" << unknown << Note();

        // Every known name as a bare command: the note it carries, and a
        // system origin for the kernel and the daemons.
        const std::pair<const char *, Note> known[] = {
            {"kernel_task", QStringLiteral("macOS nutzt kernel_task unter anderem zur thermischen Schutzregelung")},
            {"WindowServer", windowServer},
            {"mds", spotlight},
            {"mds_stores", spotlight},
            {"mdworker", spotlight},
            {"mdworker_shared", spotlight},
            {"photoanalysisd", QStringLiteral("macOS analysiert Fotos bzw. Medien im Hintergrund")},
            {"mediaanalysisd", QStringLiteral("macOS analysiert Fotos bzw. Medien im Hintergrund")},
            {"cloudd", QStringLiteral("iCloud synchronisiert wahrscheinlich Daten")},
            {"bird", QStringLiteral("iCloud synchronisiert wahrscheinlich Daten")},
            {"backupd", timeMachine},
            {"softwareupdated", QStringLiteral("macOS prüft oder installiert wahrscheinlich ein Softwareupdate")},
            {"powerd", QStringLiteral("powerd verwaltet Energie- und Ruhezustandsfunktionen von macOS")},
            {"runningboardd", Note()},
            {"coreaudiod", Note()},
            {"bluetoothd", Note()},
            {"launchd", Note()},
            {"distnoted", Note()},
            {"cfprefsd", Note()},
            {"logd", Note()},
            {"opendirectoryd", Note()},
            {"symptomsd", Note()},
            {"locationd", Note()},
            {"sharingd", Note()},
            {"trustd", Note()},
            {"nsurlsessiond", Note()},
            {"apsd", Note()},
        };
        for (const auto &[name, note] : known)
            QTest::addRow("known: %s", name) << name << name << system << note;
        QTest::newRow("known name as a prefix only") << "mdworker2"
                                                     << "mdworker2" << unknown << Note();
    }

    void classifies()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(ProcessOrigin, origin);
        QFETCH(Note, note);
        const ProcessReader::Classification result = ProcessReader::classify(command);
        QCOMPARE(result.name, name);
        QCOMPARE(result.origin, origin);
        QCOMPARE(result.specialNote, note);
    }

    void namesTheInnermostBundle_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");
        QTest::newRow("innermost bundle") << "/A.app/Contents/Frameworks/B.app/Contents/MacOS/c"
                                          << "B";
        QTest::newRow("any case") << "/Applications/Viewer.APP/Contents/MacOS/v"
                                  << "Viewer";
        QTest::newRow("no bundle") << "/usr/bin/tool"
                                   << "fallback";
        QTest::newRow("app only as a word") << "/opt/webapp/run"
                                            << "fallback";
    }

    void namesTheInnermostBundle()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QCOMPARE(ProcessReader::appName(command, QStringLiteral("fallback")), name);
    }
};

QTEST_GUILESS_MAIN(ClassificationTest)
#include "tst_classification.moc"
