#pragma once

#include "platform/Sleeper.h"

#include <QList>

#include <chrono>
#include <functional>

// Returns at once and keeps the pauses it was asked for. An optional action
// runs in place of each pause, standing in for what the world does meanwhile.
class RecordingSleeper : public Sleeper
{
public:
    explicit RecordingSleeper(std::function<void()> duringSleep = {})
        : m_duringSleep(std::move(duringSleep))
    {
    }
    void sleep(std::chrono::milliseconds duration) const override
    {
        m_pauses.append(duration);
        if (m_duringSleep)
            m_duringSleep();
    }
    const QList<std::chrono::milliseconds> &pauses() const { return m_pauses; }

private:
    std::function<void()> m_duringSleep;
    mutable QList<std::chrono::milliseconds> m_pauses;
};
