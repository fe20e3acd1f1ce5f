#include "flow/Clock.h"

#include <QCoro/QCoroTimer>
#include <QTimer>

QCoro::Task<> TimerClock::sleep(std::chrono::milliseconds duration)
{
    // A coarse timer may wake 5 % early or late: 100 ms of a 2 s sound
    // stage, cut off or left silent.
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    timer.start(duration);
    co_await timer;
}
