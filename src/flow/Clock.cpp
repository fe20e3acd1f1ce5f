#include "flow/Clock.h"

#include <QCoro/QCoroTimer>

QCoro::Task<> TimerClock::sleep(std::chrono::milliseconds duration)
{
    co_await QCoro::sleepFor(duration);
}
