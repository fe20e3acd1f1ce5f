#pragma once

#include <QCoro/QCoroTask>

#include <chrono>

// The pauses of the paced flows. The product uses the event loop's timers;
// tests drive a clock of their own in virtual time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QCoro::Task<> sleep(std::chrono::milliseconds duration) = 0;
};

class TimerClock : public Clock
{
public:
    QCoro::Task<> sleep(std::chrono::milliseconds duration) override;
};
