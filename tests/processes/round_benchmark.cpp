// Times one round of the process list as read from /proc against one ps run,
// both as the sampling reads them (rows parsed, ready to classify).
#include "platform/PsProcessTable.h"
#include "platform/linux/ProcProcessTable.h"

#include <QList>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

struct Timing
{
    double medianMs;
    double minimumMs;
    qsizetype rows;
};

Timing time(ProcessRowSource &source, int rounds)
{
    source.rows(); // the first /proc round has no previous one to compare with
    QList<double> milliseconds;
    qsizetype rows = 0;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        rows = source.rows().size();
        milliseconds << std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    return {milliseconds[milliseconds.size() / 2], milliseconds.first(), rows};
}

void print(const char *what, const Timing &timing)
{
    std::printf("%-16s median %7.2f ms  fastest %7.2f ms  (%lld processes)\n", what, timing.medianMs, timing.minimumMs,
                static_cast<long long>(timing.rows));
}

} // namespace

int main()
{
    constexpr int rounds = 50;
    print("/proc round", time(*ProcProcessTable().open(), rounds));
    print("/bin/ps run", time(*PsProcessTable().open(), rounds));
    return 0;
}
