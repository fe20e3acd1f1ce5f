#pragma once

#include "platform/Sleeper.h"

#include <QList>
#include <QMutex>
#include <QMutexLocker>

#include <chrono>
#include <functional>

// Returns at once and keeps the pauses it was asked for. An optional action
// runs in place of each pause, standing in for what the world does meanwhile.
// Several measurements may share one, each on its own thread.
class RecordingSleeper : public Sleeper
{
public:
    explicit RecordingSleeper(std::function<void()> duringSleep = {})
        : m_duringSleep(std::move(duringSleep))
    {
    }
    void sleep(std::chrono::milliseconds duration) const override
    {
        {
            const QMutexLocker lock(&m_mutex);
            m_pauses.append(duration);
        }
        if (m_duringSleep)
            m_duringSleep();
    }
    QList<std::chrono::milliseconds> pauses() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_pauses;
    }

private:
    std::function<void()> m_duringSleep;
    mutable QMutex m_mutex;
    mutable QList<std::chrono::milliseconds> m_pauses;
};
