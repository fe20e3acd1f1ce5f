// The real application on this machine, for scripts/benchmark-cpu: with a
// module's raw value as its argument it starts that module once the window
// is up, as a click on its card would.
#include "app/AppShell.h"
#include "app/Application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

namespace {

QString moduleToStart;

void startModuleOnceShown()
{
    if (moduleToStart.isEmpty())
        return;
    QTimer::singleShot(500, [] {
        for (QWindow *window : QGuiApplication::topLevelWindows()) {
            if (auto *shell = window->property("shell").value<AppShell *>())
                shell->startModule(moduleToStart);
        }
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startModuleOnceShown)

int main(int argc, char *argv[])
{
    if (argc > 1)
        moduleToStart = QString::fromLocal8Bit(argv[1]);
    return runApplication(argc, argv, makeHostPlatform());
}
