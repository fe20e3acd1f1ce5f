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

        const auto row = [](const char *tag, const char *command, const char *name, ProcessOrigin origin,
                            const Note &note = {}) {
            QTest::newRow(tag) << QString::fromUtf8(command) << QString::fromUtf8(name) << origin << note;
        };
        row("system path", "/usr/libexec/trustd", "trustd", system);
        row("system path, any case", "/SYSTEM/Library/CoreServices/Dock", "Dock", system);
        row("system path with note", "/System/Library/PrivateFrameworks/SkyLight.framework/Resources/WindowServer",
            "WindowServer", system, windowServer);
        row("Linux system path", "/usr/bin/bash", "bash", system);
        row("bare daemon, any case", "MDS_Stores", "MDS_Stores", system, spotlight);
        row("bare unknown", "randomd", "randomd", unknown);
        row("Linux path outside the rules", "/usr/lib/systemd/systemd", "systemd", unknown);
        row("application with blanks", "/Applications/Some App.app/Contents/MacOS/Some App", "Some App", app);
        row("application bundle in any case", "/Applications/Tool.APP/Contents/MacOS/tool", "Tool", app);
        row("XPC service", "/Applications/Some App.app/Contents/XPCServices/Renderer.xpc/Contents/MacOS/Renderer",
            "Some App", helper);
        row("framework helper",
            "/Applications/Some Browser.app/Contents/Frameworks/Some Browser "
            "Framework.framework/Versions/A/Helpers/Some Browser Helper.app/Contents/MacOS/Some Browser Helper",
            "Some Browser Helper", helper);
        row("agent by name", "/Applications/Sync.app/Contents/MacOS/Sync Agent", "Sync", helper);
        row("note follows the executable, not the bundle", "/Applications/Backup.app/Contents/MacOS/backupd", "Backup",
            app, timeMachine);
        row("system path beats bundle", "/usr/bin/Tool.app/Contents/MacOS/tool", "tool", system);
        row("bundle beats library", "/Library/Foo.app/Contents/MacOS/Foo", "Foo", app);
        row("library", "/Library/Application Support/Vendor/daemon", "daemon", background);
        row("opt", "/opt/homebrew/bin/node", "node", background);
        row("usr local", "/usr/local/bin/tool", "tool", background);
        row("user folder", "/Users/x/bin/miner", "miner", background);
        row("user folder daemon name", "/Users/x/bin/mds", "mds", background, spotlight);
        row("trailing slash", "/tmp/tool/", "tool", unknown);
        row("root only", "/", "/", unknown);

        // Every name with a note, as a bare command: the note, and a system
        // origin for the kernel and the daemons. The plain daemon names are a
        // list in the code; one of them stands for all.
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
        };
        for (const auto &[name, note] : known)
            QTest::addRow("known: %s", name) << name << name << system << note;
        row("known daemon without a note", "coreaudiod", "coreaudiod", system);
        row("known name as a prefix only", "mdworker2", "mdworker2", unknown);
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
};

QTEST_GUILESS_MAIN(ClassificationTest)
#include "tst_classification.moc"
