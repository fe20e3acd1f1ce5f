#include "speakers/TestSignal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;
constexpr double edgeFade = 0.035;
constexpr double stepFade = 0.020;

double clamp01(double x)
{
    return std::clamp(x, 0.0, 1.0);
}

// Rises from 0 to 1 with zero slope at both ends.
double smoothstep(double a)
{
    return a * a * (3.0 - 2.0 * a);
}

// Fills `out` with the stage's samples. Every phase is advanced before its
// sine is taken and runs on across step boundaries, so no step starts with a
// jump.
void render(const TestSegment &segment, double sampleRate, std::span<float> out)
{
    const double duration = segment.duration;
    double phi = 0.0;
    double psi = 0.0;
    for (std::size_t k = 0; k < out.size(); ++k) {
        const double t = static_cast<double>(k) / sampleRate;
        const double p = clamp01(t / duration);
        const double a = std::min(clamp01(t / edgeFade), clamp01((duration - t) / edgeFade));
        double v = 0.0;
        if (const auto *sweep = std::get_if<TestSignals::Sweep>(&segment.signal)) {
            phi += twoPi * sweep->start * std::pow(sweep->end / sweep->start, p) / sampleRate;
            v = std::sin(phi);
        } else if (const auto *stepped = std::get_if<TestSignals::Stepped>(&segment.signal)) {
            const std::size_t count = stepped->frequencies.size();
            const double length = duration / static_cast<double>(count);
            const auto step = std::min(count - 1, static_cast<std::size_t>(t / length));
            const double u = t - static_cast<double>(step) * length;
            const double e = std::min(clamp01(u / stepFade), clamp01((length - u) / stepFade));
            phi += twoPi * stepped->frequencies[step] / sampleRate;
            v = smoothstep(e) * std::sin(phi);
        } else if (const auto *ramp = std::get_if<TestSignals::VolumeRamp>(&segment.signal)) {
            phi += twoPi * ramp->frequency / sampleRate;
            v = std::sin(phi) * (0.22 + 0.78 * std::sin(p * std::numbers::pi / 2.0));
        } else if (const auto *resonance = std::get_if<TestSignals::Resonance>(&segment.signal)) {
            phi += twoPi * resonance->low * (1.0 + 0.035 * std::sin(twoPi * 3.2 * t)) / sampleRate;
            psi += twoPi * resonance->high / sampleRate;
            v = (std::sin(phi) + 0.42 * std::sin(psi)) / 1.42;
        }
        out[k] = static_cast<float>(smoothstep(a) * segment.amplitude * v);
    }
}

} // namespace

std::span<const TestSegment> testSequence()
{
    using namespace TestSignals;
    static const TestSegment sequence[] = {
        {"Tieftonprüfung · 90–240 Hz", 2.1, 0.20, Sweep {90, 240}},
        {"Mitteltonprüfung · 300–1.800 Hz", 2.0, 0.22, Sweep {300, 1800}},
        {"Hochtonprüfung · 2.000–9.000 Hz", 2.0, 0.16, Sweep {2000, 9000}},
        {"Frequenzstufen · 120–8.000 Hz", 3.2, 0.19, Stepped {{120, 250, 500, 1000, 2000, 4000, 8000}}},
        {"Lautstärkeverlauf · leise bis kräftig", 2.2, 0.25, VolumeRamp {650}},
        {"Resonanzprüfung · Scheppern und Knacken", 2.0, 0.18, Resonance {165, 880}},
    };
    return sequence;
}

std::size_t frameCount(const TestSegment &segment, double sampleRate)
{
    return static_cast<std::uint32_t>(segment.duration * sampleRate);
}

StereoBuffer synthesize(const TestSegment &segment, SpeakerSide side, double sampleRate)
{
    const std::size_t frames = frameCount(segment, sampleRate);
    StereoBuffer buffer {std::vector<float>(frames, 0.0f), std::vector<float>(frames, 0.0f)};
    render(segment, sampleRate, side == SpeakerSide::left ? buffer.left : buffer.right);
    return buffer;
}
