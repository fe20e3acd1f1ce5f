#include "support/ManualClock.h"

#include <algorithm>

QCoro::Task<> ManualClock::sleep(std::chrono::milliseconds duration)
{
    struct Wake
    {
        ManualClock *clock;
        std::chrono::milliseconds due;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle) { clock->m_sleepers.push_back({due, handle}); }
        void await_resume() const noexcept { }
    };
    co_await Wake {this, m_now + duration};
}

void ManualClock::advance(std::chrono::milliseconds step)
{
    const auto target = m_now + step;
    for (;;) {
        // Earliest deadline first; equal deadlines in the order they were set.
        const auto next = std::min_element(m_sleepers.begin(), m_sleepers.end(),
                                           [](const Sleeper &a, const Sleeper &b) { return a.due < b.due; });
        if (next == m_sleepers.end() || next->due > target)
            break;
        const Sleeper woken = *next;
        m_sleepers.erase(next);
        m_now = woken.due;
        woken.handle.resume();
    }
    m_now = target;
}
