#pragma once

#include "platform/Sleeper.h"

#include <QMutex>
#include <QMutexLocker>
#include <QSemaphore>

#include <array>

// Holds each pause, counted from 0 in the order they begin, until the test
// ends it; for measurements caught in the middle.
class GatedSleeper : public Sleeper
{
public:
    void sleep(std::chrono::milliseconds) const override
    {
        int pause;
        {
            const QMutexLocker lock(&m_mutex);
            pause = m_pauses++;
        }
        m_gates.at(pause).acquire();
    }
    int pausesBegun() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_pauses;
    }
    void end(int pause) const { m_gates.at(pause).release(); }

private:
    mutable QMutex m_mutex;
    mutable int m_pauses = 0;
    mutable std::array<QSemaphore, 4> m_gates;
};
