#pragma once

#include <QCoro/QCoroTask>

#include <chrono>
#include <functional>
#include <memory>

// The pauses of the paced flows. The product uses the event loop's timers;
// tests drive a clock of their own in virtual time.
//
// A clock keeps no coroutine frame: it keeps only an alarm's call, and the
// alarm lives in the sleeping frame, so a frame that ends while asleep calls
// its wake-up off.
class Clock
{
public:
    // A wake-up on its way; destroying it calls it off.
    class Alarm
    {
    public:
        virtual ~Alarm() = default;
    };

    virtual ~Clock() = default;
    // Calls ring once, duration from now, unless the alarm is gone by then.
    virtual std::unique_ptr<Alarm> arm(std::chrono::milliseconds duration, std::function<void()> ring) = 0;
    QCoro::Task<> sleep(std::chrono::milliseconds duration);
};

class TimerClock : public Clock
{
public:
    std::unique_ptr<Alarm> arm(std::chrono::milliseconds duration, std::function<void()> ring) override;
};
