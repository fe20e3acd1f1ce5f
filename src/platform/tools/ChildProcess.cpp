#include "platform/tools/ChildProcess.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>

namespace {

constexpr int terminationGraceMs = 500;

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

    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(static_cast<int>(request.timeLimit.count())))
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
