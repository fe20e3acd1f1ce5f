#include "support/RecordingSleeper.h"

RecordingSleeper::RecordingSleeper(std::function<void()> duringSleep)
    : m_duringSleep(std::move(duringSleep))
{
}

void RecordingSleeper::sleep(std::chrono::milliseconds duration) const
{
    m_pauses.append(duration);
    if (m_duringSleep)
        m_duringSleep();
}
