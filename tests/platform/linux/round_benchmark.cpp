// Times one round of the process list as read from /proc against one ps run,
// both as the sampling reads them (rows parsed, ready to classify). Processor
// time counts the child too and is less swayed by other load than wall time.
#include "platform/linux/ProcProcessTable.h"
#include "platform/processes/PsProcessTable.h"

#include <QList>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

double processorMs()
{
    double total = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage {};
        getrusage(who, &usage);
        for (const timeval &time : {usage.ru_utime, usage.ru_stime})
            total += static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    }
    return total;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void measure(const char *what, ProcessRowSource &source, int rounds)
{
    source.rows(); // the first /proc round has no previous one to compare with
    QList<double> wall;
    qsizetype rows = 0;
    const double processorBefore = processorMs();
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        rows = source.rows().size();
        wall << std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    std::printf("%-12s wall median %6.2f ms, fastest %6.2f ms; processor %6.2f ms per round (%lld processes)\n", what,
                median(wall), *std::min_element(wall.cbegin(), wall.cend()), (processorMs() - processorBefore) / rounds,
                static_cast<long long>(rows));
}

} // namespace

int main()
{
    constexpr int rounds = 50;
    measure("/proc round", *ProcProcessTable().open(), rounds);
    measure("/bin/ps run", *PsProcessTable().open(), rounds);
    return 0;
}
