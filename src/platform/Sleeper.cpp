#include "platform/Sleeper.h"

#include <thread>

void ThreadSleeper::sleep(std::chrono::milliseconds duration) const
{
    std::this_thread::sleep_for(duration);
}
