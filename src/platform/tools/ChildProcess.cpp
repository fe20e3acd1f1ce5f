#include "platform/tools/ChildProcess.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <mutex>
#include <set>

#include <signal.h>

namespace {

constexpr int terminationGraceMs = 500;

// The children running on any thread, so that quitting can end them without
// waiting for the threads that run them.
struct RunningChildren
{
    std::mutex mutex;
    std::set<qint64> pids;
    bool ended = false;
};

RunningChildren &runningChildren()
{
    // Never destroyed: a worker may still run when the process ends.
    static auto *children = new RunningChildren;
    return *children;
}

// Starts the process unless quitting began, and keeps its id while it runs.
// The id is dropped a moment after the process was reaped, far too soon for
// the system to hand it to another process.
class RunningChild
{
public:
    explicit RunningChild(QProcess &process)
    {
        RunningChildren &children = runningChildren();
        const std::lock_guard lock(children.mutex);
        if (children.ended)
            return;
        process.start(QIODevice::ReadOnly);
        m_pid = process.processId();
        if (m_pid > 0)
            children.pids.insert(m_pid);
    }
    ~RunningChild()
    {
        RunningChildren &children = runningChildren();
        const std::lock_guard lock(children.mutex);
        children.pids.erase(m_pid);
    }
    RunningChild(const RunningChild &) = delete;
    RunningChild &operator=(const RunningChild &) = delete;

    bool started() const { return m_pid > 0; }

private:
    qint64 m_pid = 0;
};

void stop(QProcess &process)
{
    process.terminate();
    if (!process.waitForFinished(terminationGraceMs)) {
        process.kill();
        process.waitForFinished(-1);
    }
}

} // namespace

ChildProcessResult runChildProcess(const ChildProcessRequest &request)
{
    ChildProcessResult result;
    QProcess process;
    process.setProgram(request.executable);
    process.setArguments(request.arguments);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (auto it = request.environmentOverrides.cbegin(); it != request.environmentOverrides.cend(); ++it)
        environment.insert(it.key(), it.value());
    process.setProcessEnvironment(environment);

    const RunningChild child(process);
    if (!child.started() || !process.waitForStarted(static_cast<int>(request.timeLimit.count())))
        return result;
    result.launched = true;

    const QDeadlineTimer deadline(request.timeLimit);
    while (process.state() != QProcess::NotRunning) {
        if (deadline.hasExpired()) {
            result.timedOut = true;
            stop(process);
            return result;
        }
        process.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
        result.output += process.readAllStandardOutput();
        if (result.output.size() > request.outputLimit) {
            result.outputTooLarge = true;
            stop(process);
            result.output.clear();
            return result;
        }
    }
    result.output += process.readAllStandardOutput();
    if (result.output.size() > request.outputLimit) {
        result.outputTooLarge = true;
        result.output.clear();
        return result;
    }
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    return result;
}

void endChildProcesses()
{
    RunningChildren &children = runningChildren();
    const std::lock_guard lock(children.mutex);
    children.ended = true;
    for (const qint64 pid : children.pids)
        ::kill(static_cast<pid_t>(pid), SIGKILL);
}
