#include "app/Application.h"

#include "app/AppShell.h"
#include "flow/Clock.h"
#include "platform/WindowChrome.h"
#include "platform/tools/ChildProcess.h"

#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QWindow>

#include <chrono>
#include <cstdlib>
#include <thread>

using namespace std::chrono_literals;

namespace {

// Long enough for the teardown once sampling has run out, which hands the
// clipboard on; short enough that a relaunch finds no process left.
constexpr auto teardownGrace = 500ms;

// Measurements are waited for no longer than the grace: their pauses end and
// their child processes die at once; a read that still hangs is cut off with
// the whole process.
void endWithinTeardownGrace(int exitCode)
{
    ThreadSleeper::endAllSleeps();
    endChildProcesses();
    std::thread([exitCode] {
        std::this_thread::sleep_for(teardownGrace);
        std::_Exit(exitCode);
    }).detach();
}

} // namespace

int runApplication(int argc, char **argv, Platform platform)
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Quarzlinde MacBook Fehlerdiagnose"));
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    // Lets the desktop match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.quarzlinde.Fehlerdiagnose"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/Quarzlinde/AppMark.svg")));

    TimerClock clock;
    AppShell shell(platform, clock, std::make_shared<ThreadSleeper>());

    QQmlApplicationEngine engine;
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app, [] { QCoreApplication::exit(1); },
        Qt::QueuedConnection);
    engine.setInitialProperties({{QStringLiteral("shell"), QVariant::fromValue(&shell)}});
    engine.load(QUrl(QStringLiteral("qrc:/Quarzlinde/Main.qml")));
    if (!engine.rootObjects().isEmpty())
        dressMainWindow(qobject_cast<QWindow *>(engine.rootObjects().constFirst()));
    const int exitCode = app.exec();
    endWithinTeardownGrace(exitCode);
    return exitCode;
}
