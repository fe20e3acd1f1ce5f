#include "flow/Clock.h"

#include <QTimer>

#include <coroutine>

QCoro::Task<> Clock::sleep(std::chrono::milliseconds duration)
{
    struct Wait
    {
        Clock *clock;
        std::chrono::milliseconds duration;
        std::unique_ptr<Alarm> *alarm;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle)
        {
            *alarm = clock->arm(duration, [handle] { handle.resume(); });
        }
        void await_resume() const noexcept { }
    };
    // In this frame: when the frame goes while asleep, the alarm goes too.
    std::unique_ptr<Alarm> alarm;
    co_await Wait {this, duration, &alarm};
}

namespace {

class TimerAlarm final : public Clock::Alarm
{
public:
    TimerAlarm(std::chrono::milliseconds duration, std::function<void()> ring)
    {
        // A coarse timer may wake 5 % early or late: 100 ms of a 2 s sound
        // stage, cut off or left silent.
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, std::move(ring));
        m_timer.start(duration);
    }

private:
    QTimer m_timer;
};

} // namespace

std::unique_ptr<Clock::Alarm> TimerClock::arm(std::chrono::milliseconds duration, std::function<void()> ring)
{
    return std::make_unique<TimerAlarm>(duration, std::move(ring));
}
