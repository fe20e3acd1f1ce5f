#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Ticks every 5 ms on the thread it lives on and keeps the longest gap
// between two ticks: how long that thread's event loop was held up.
class StallProbe : public QObject
{
public:
    StallProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] { m_longest = std::max(m_longest, m_sinceTick.restart()); });
    }
    void start()
    {
        m_longest = 0;
        m_sinceTick.start();
        m_timer.start();
    }
    void stop()
    {
        m_longest = std::max(m_longest, m_sinceTick.elapsed());
        m_timer.stop();
    }
    qint64 longestGapMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longest = 0;
};
