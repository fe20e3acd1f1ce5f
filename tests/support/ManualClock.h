#pragma once

#include "flow/Clock.h"

#include <QtGlobal>

#include <memory>
#include <vector>

// Virtual time: alarms ring only when the test advances the clock, in the
// order of their deadlines.
class ManualClock : public Clock
{
public:
    std::unique_ptr<Alarm> arm(std::chrono::milliseconds duration, std::function<void()> ring) override;

    // Rings every alarm due up to now + step, each at its own deadline.
    void advance(std::chrono::milliseconds step);
    std::chrono::milliseconds now() const { return m_now; }
    bool hasSleepers() const { return !m_alarms->empty(); }

private:
    struct Entry
    {
        std::chrono::milliseconds due;
        quint64 id;
        std::function<void()> ring;
    };
    class ManualAlarm;
    std::chrono::milliseconds m_now {0};
    quint64 m_lastId = 0;
    // Shared with the alarms, which may outlive the clock.
    std::shared_ptr<std::vector<Entry>> m_alarms = std::make_shared<std::vector<Entry>>();
};
