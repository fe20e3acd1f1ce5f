#pragma once

#include <chrono>

// Blocking pauses between sampling rounds on a worker thread. Tests pass one
// that only records the pauses, so no test waits in wall time.
class Sleeper
{
public:
    virtual ~Sleeper() = default;
    virtual void sleep(std::chrono::milliseconds duration) const = 0;
};

// Really sleeps the calling thread.
class ThreadSleeper : public Sleeper
{
public:
    void sleep(std::chrono::milliseconds duration) const override;
    // For quitting: ends every pause now and makes every later one return at
    // once, so sampling runs out instead of holding the process.
    static void endAllSleeps();
};
