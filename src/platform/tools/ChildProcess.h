#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <chrono>

struct ChildProcessRequest
{
    QString executable;
    QStringList arguments;
    QMap<QString, QString> environmentOverrides;
    std::chrono::milliseconds timeLimit {10000};
    // Output beyond this is a failure, not something to hold in memory.
    qint64 outputLimit = 32 * 1024 * 1024;
};

struct ChildProcessResult
{
    bool launched = false;
    bool timedOut = false;
    bool outputTooLarge = false;
    bool crashed = false;
    int exitCode = -1;
    QByteArray output; // standard output only; standard error is discarded

    bool succeeded() const { return launched && !timedOut && !outputTooLarge && !crashed && exitCode == 0; }
};

// Runs a child process to its end, blocking the calling thread. A process
// still running at the time limit is terminated, and killed if it resists.
ChildProcessResult runChildProcess(const ChildProcessRequest &request);

// For quitting: kills every child process still running, at once, and makes
// every later runChildProcess fail without launching. Safe from any thread.
void endChildProcesses();
