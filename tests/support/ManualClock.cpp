#include "support/ManualClock.h"

#include <algorithm>

class ManualClock::ManualAlarm final : public Clock::Alarm
{
public:
    ManualAlarm(std::weak_ptr<std::vector<Entry>> alarms, quint64 id)
        : m_alarms(std::move(alarms))
        , m_id(id)
    {
    }
    ~ManualAlarm() override
    {
        if (const auto alarms = m_alarms.lock())
            std::erase_if(*alarms, [this](const Entry &entry) { return entry.id == m_id; });
    }

private:
    std::weak_ptr<std::vector<Entry>> m_alarms;
    quint64 m_id;
};

std::unique_ptr<Clock::Alarm> ManualClock::arm(std::chrono::milliseconds duration, std::function<void()> ring)
{
    m_alarms->push_back({m_now + duration, ++m_lastId, std::move(ring)});
    return std::make_unique<ManualAlarm>(m_alarms, m_lastId);
}

void ManualClock::advance(std::chrono::milliseconds step)
{
    const auto target = m_now + step;
    for (;;) {
        // Earliest deadline first; equal deadlines in the order they were set.
        const auto next = std::min_element(m_alarms->begin(), m_alarms->end(), [](const Entry &a, const Entry &b) {
            return a.due < b.due || (a.due == b.due && a.id < b.id);
        });
        if (next == m_alarms->end() || next->due > target)
            break;
        const Entry due = std::move(*next);
        m_alarms->erase(next);
        m_now = due.due;
        due.ring();
    }
    m_now = target;
}
