#pragma once

#include "flow/Clock.h"

#include <coroutine>
#include <vector>

// Virtual time: sleepers wake only when the test advances the clock, in the
// order of their deadlines.
class ManualClock : public Clock
{
public:
    QCoro::Task<> sleep(std::chrono::milliseconds duration) override;

    // Wakes every sleeper due up to now + step, each at its own deadline.
    void advance(std::chrono::milliseconds step);
    std::chrono::milliseconds now() const { return m_now; }
    bool hasSleepers() const { return !m_sleepers.empty(); }

private:
    struct Sleeper
    {
        std::chrono::milliseconds due;
        std::coroutine_handle<> handle;
    };
    std::chrono::milliseconds m_now {0};
    std::vector<Sleeper> m_sleepers;
};
