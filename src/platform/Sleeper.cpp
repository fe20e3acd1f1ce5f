#include "platform/Sleeper.h"

#include <condition_variable>
#include <mutex>

namespace {

struct Pauses
{
    std::mutex mutex;
    std::condition_variable wake;
    bool ended = false;
};

Pauses &pauses()
{
    // Never destroyed: a worker may still sleep when the process ends.
    static auto *pauses = new Pauses;
    return *pauses;
}

} // namespace

void ThreadSleeper::sleep(std::chrono::milliseconds duration) const
{
    Pauses &state = pauses();
    std::unique_lock lock(state.mutex);
    state.wake.wait_for(lock, duration, [&state] { return state.ended; });
}

void ThreadSleeper::endAllSleeps()
{
    Pauses &state = pauses();
    {
        const std::lock_guard lock(state.mutex);
        state.ended = true;
    }
    state.wake.notify_all();
}
