#pragma once

#include "platform/Sleeper.h"

#include <QList>

#include <functional>

// Takes no time: records each pause and runs an optional action in its place,
// standing in for what the world does meanwhile.
class RecordingSleeper : public Sleeper
{
public:
    explicit RecordingSleeper(std::function<void()> duringSleep = {});

    void sleep(std::chrono::milliseconds duration) const override;
    const QList<std::chrono::milliseconds> &pauses() const { return m_pauses; }

private:
    std::function<void()> m_duringSleep;
    mutable QList<std::chrono::milliseconds> m_pauses;
};
