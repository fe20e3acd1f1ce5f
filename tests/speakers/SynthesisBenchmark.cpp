#include "speakers/TestSignal.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

// Synthesis time of the longest test stage, best and median of 50 runs.
int main()
{
    const auto longest =
        std::max_element(testSequence().begin(), testSequence().end(),
                         [](const TestSegment &a, const TestSegment &b) { return a.duration < b.duration; });
    std::vector<double> times;
    std::vector<double> cpuTimes;
    float sink = 0;
    for (int run = 0; run < 50; ++run) {
        // CPU time as well, since on a shared machine the wall clock also counts others' work.
        const std::clock_t cpuBegin = std::clock();
        const auto begin = std::chrono::steady_clock::now();
        const StereoBuffer buffer = synthesize(*longest, SpeakerSide::right);
        const auto end = std::chrono::steady_clock::now();
        cpuTimes.push_back(double(std::clock() - cpuBegin) * 1000 / CLOCKS_PER_SEC);
        sink += buffer.right[buffer.frames() / 2];
        times.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    const double median = times[times.size() / 2];
    std::printf("%s: %zu frames; wall best %.3f ms, median %.3f ms (%.0fx real time); CPU median %.3f ms%s\n",
                longest->title, frameCount(*longest), times.front(), median, longest->duration * 1000 / median,
                cpuTimes[cpuTimes.size() / 2], sink == 12345 ? "!" : "");
}
