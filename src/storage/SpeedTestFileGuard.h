#pragma once

#include <QString>

// Keeps a speed-test file's path where a terminating signal (SIGINT, SIGTERM,
// SIGHUP) finds it: the file is removed before the process ends. The signal
// handlers are installed with the first guard and pass the signal on to
// whatever was installed before.
class SpeedTestFileGuard
{
public:
    explicit SpeedTestFileGuard(const QString &path);
    ~SpeedTestFileGuard();
    SpeedTestFileGuard(const SpeedTestFileGuard &) = delete;
    SpeedTestFileGuard &operator=(const SpeedTestFileGuard &) = delete;

private:
    int m_slot = -1;
};
