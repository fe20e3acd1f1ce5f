// Started by QuitTest: the application on a simulated machine whose process
// list is slow in the way the first argument names. It starts the system
// check, writes to the file named second once the slow part is under way (the
// slow tool writes its process id there) and closes the window when a line
// comes on standard input.
#include "app/AppShell.h"
#include "app/Application.h"
#include "platform/tools/ChildProcess.h"
#include "support/FakePlatform.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

QString slowPart;
QString busyFile;

class SlowRows : public ProcessRowSource
{
public:
    QList<ProcessRow> rows() override
    {
        if (slowPart == QLatin1String("tool")) {
            ChildProcessRequest request;
            request.executable = QStringLiteral("/bin/sh");
            request.arguments = {QStringLiteral("-c"), QStringLiteral("echo $$ > \"$0\"; exec sleep 30"), busyFile};
            runChildProcess(request);
        } else {
            if (QFile busy(busyFile); busy.open(QIODevice::WriteOnly))
                busy.write("busy\n");
            // Stands in for a driver read that never returns.
            if (slowPart == QLatin1String("read"))
                std::this_thread::sleep_for(std::chrono::hours(1));
        }
        return {{4242, 3.0, 2048.0, QStringLiteral("/usr/bin/busy")}};
    }
};

class SlowProcessTable : public ProcessTable
{
public:
    std::unique_ptr<ProcessRowSource> open() const override { return std::make_unique<SlowRows>(); }
};

void startCheckAndWaitForClose()
{
    QTimer::singleShot(0, [] {
        QWindow *window = QGuiApplication::topLevelWindows().value(0);
        if (!window)
            qFatal("no window");
        qobject_cast<AppShell *>(window->property("shell").value<QObject *>())->startModule(QStringLiteral("system"));
        auto *closeRequest = new QSocketNotifier(0, QSocketNotifier::Read, window);
        QObject::connect(closeRequest, &QSocketNotifier::activated, window, &QWindow::close);
    });
}
Q_COREAPP_STARTUP_FUNCTION(startCheckAndWaitForClose)

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    slowPart = QString::fromLocal8Bit(argv[1]);
    busyFile = QString::fromLocal8Bit(argv[2]);
    // Printed only when the process ends through its full teardown.
    std::atexit([] {
        std::fputs("torn down\n", stdout);
        std::fflush(stdout);
    });
    Platform platform = makeFakePlatform({});
    platform.processTable = std::make_shared<SlowProcessTable>();
    return runApplication(1, argv, std::move(platform));
}
