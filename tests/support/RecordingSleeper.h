#pragma once

#include "platform/Sleeper.h"

#include <QList>

#include <chrono>

// Returns at once and keeps the pauses it was asked for.
class RecordingSleeper : public Sleeper
{
public:
    void sleep(std::chrono::milliseconds duration) const override { m_pauses.append(duration); }
    const QList<std::chrono::milliseconds> &pauses() const { return m_pauses; }

private:
    mutable QList<std::chrono::milliseconds> m_pauses;
};
