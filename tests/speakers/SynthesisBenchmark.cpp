#include "speakers/TestSignal.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

// Synthesis time of the longest test stage, best and median of 50 runs.
int main()
{
    const auto longest =
        std::max_element(testSequence().begin(), testSequence().end(),
                         [](const TestSegment &a, const TestSegment &b) { return a.duration < b.duration; });
    std::vector<double> times;
    float sink = 0;
    for (int run = 0; run < 50; ++run) {
        const auto begin = std::chrono::steady_clock::now();
        const StereoBuffer buffer = synthesize(*longest, SpeakerSide::right);
        const auto end = std::chrono::steady_clock::now();
        sink += buffer.right[buffer.frames() / 2];
        times.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
    }
    std::sort(times.begin(), times.end());
    const double seconds = longest->duration;
    std::printf("%s: %zu frames, best %.3f ms, median %.3f ms (%.0fx real time)%s\n", longest->title,
                frameCount(*longest), times.front(), times[times.size() / 2], seconds * 1000 / times[times.size() / 2],
                sink == 12345 ? "!" : "");
}
