// Started by NoNetworkNoWritesTest: the real application on this machine's
// backends, walked through every module of the catalogue (a few seconds each,
// then back), after which it closes its window.
#include "app/AppShell.h"
#include "app/Application.h"
#include "storage/StorageDiagnosticViewModel.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <memory>

namespace {

using namespace std::chrono_literals;

constexpr auto shownFor = 3s;

void visit(AppShell *shell, QStringList modules, QWindow *window)
{
    if (modules.isEmpty()) {
        window->close();
        return;
    }
    shell->startModule(modules.first());
    QTimer::singleShot(shownFor, window, [shell, modules, window]() mutable {
        shell->back();
        modules.removeFirst();
        visit(shell, modules, window);
    });
}

void walkTheCatalogue()
{
    QTimer::singleShot(0, [] {
        QWindow *window = QGuiApplication::topLevelWindows().value(0);
        if (!window)
            qFatal("no window");
        auto *shell = qobject_cast<AppShell *>(window->property("shell").value<QObject *>());
        // The speed test on 64 MiB, not on what the free space would choose.
        static TimerClock clock;
        shell->registerModule(DiagnosisModule::storage,
                              new StorageDiagnosticViewModel(makeHostPlatform(), clock, 64 * 1024 * 1024),
                              QStringLiteral("StorageIntegratedModuleView.qml"));
        QStringList modules;
        for (const QVariant &entry : shell->modules())
            modules << entry.toMap().value(QStringLiteral("module")).toString();
        visit(shell, modules, window);
    });
}
Q_COREAPP_STARTUP_FUNCTION(walkTheCatalogue)

} // namespace

int main(int argc, char *argv[])
{
    return runApplication(argc, argv, makeHostPlatform());
}
