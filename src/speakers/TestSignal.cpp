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

// sin x for |x| <= pi, to within 1e-9: std::sin on every sample would take
// several times as long, and a float sample cannot hold the difference.
double sine(double x)
{
    constexpr double pi = std::numbers::pi;
    if (x > pi / 2)
        x = pi - x;
    else if (x < -pi / 2)
        x = -pi - x;
    // Taylor's series up to x^13, highest term first.
    constexpr double terms[] = {1.0 / 6227020800, -1.0 / 39916800, 1.0 / 362880, -1.0 / 5040, 1.0 / 120, -1.0 / 6};
    const double x2 = x * x;
    double sum = 0.0;
    for (const double term : terms)
        sum = (sum + term) * x2;
    return x * (1.0 + sum);
}

// A phase accumulator that keeps itself within one turn of zero, where the
// sine above holds and the sum keeps its precision over long stages.
struct Phase
{
    double value = 0.0;

    double advanceAndSine(double increment)
    {
        value += increment;
        if (value > std::numbers::pi)
            value -= twoPi;
        return sine(value);
    }
};

// Each frame of a stage: its signal at time t, under the edge fade.
template<typename Signal>
void render(const TestSegment &segment, double sampleRate, std::span<float> out, Signal signal)
{
    // Products with reciprocals: divisions would cost more than the sines.
    const double duration = segment.duration;
    const double framePeriod = 1.0 / sampleRate;
    const double perFade = 1.0 / edgeFade;
    for (std::size_t k = 0; k < out.size(); ++k) {
        const double t = static_cast<double>(k) * framePeriod;
        const double a = std::min(clamp01(t * perFade), clamp01((duration - t) * perFade));
        out[k] = static_cast<float>(smoothstep(a) * segment.amplitude * signal(t));
    }
}

// Fills `out` with the stage's samples. Every phase is advanced before its
// sine is taken and runs on across step boundaries, so no step starts with a
// jump.
void render(const TestSegment &segment, double sampleRate, std::span<float> out)
{
    const double duration = segment.duration;
    Phase phi;
    Phase psi;
    if (const auto *sweep = std::get_if<TestSignals::Sweep>(&segment.signal)) {
        // start * (end / start)^p, grown by one frame's factor at a time.
        const double growth = std::pow(sweep->end / sweep->start, 1.0 / (duration * sampleRate));
        double frequency = sweep->start;
        render(segment, sampleRate, out, [&](double) {
            const double v = phi.advanceAndSine(twoPi * frequency / sampleRate);
            frequency *= growth;
            return v;
        });
    } else if (const auto *stepped = std::get_if<TestSignals::Stepped>(&segment.signal)) {
        const std::size_t count = stepped->frequencies.size();
        const double length = duration / static_cast<double>(count);
        const double perLength = 1.0 / length;
        const double perFade = 1.0 / stepFade;
        render(segment, sampleRate, out, [&](double t) {
            const auto step = std::min(count - 1, static_cast<std::size_t>(static_cast<long>(t * perLength)));
            const double u = t - static_cast<double>(step) * length;
            const double e = std::min(clamp01(u * perFade), clamp01((length - u) * perFade));
            return smoothstep(e) * phi.advanceAndSine(twoPi * stepped->frequencies[step] / sampleRate);
        });
    } else if (const auto *ramp = std::get_if<TestSignals::VolumeRamp>(&segment.signal)) {
        // sin(p * pi / 2) rises by a quarter turn over the stage.
        Phase rise {-twoPi / 4 / (duration * sampleRate)};
        render(segment, sampleRate, out, [&](double) {
            const double gain = 0.22 + 0.78 * rise.advanceAndSine(twoPi / 4 / (duration * sampleRate));
            return phi.advanceAndSine(twoPi * ramp->frequency / sampleRate) * gain;
        });
    } else if (const auto *resonance = std::get_if<TestSignals::Resonance>(&segment.signal)) {
        // sin(2 pi 3.2 t), taken before its phase moves on.
        Phase vibrato {-twoPi * 3.2 / sampleRate};
        render(segment, sampleRate, out, [&](double) {
            const double wobble = vibrato.advanceAndSine(twoPi * 3.2 / sampleRate);
            const double low = phi.advanceAndSine(twoPi * resonance->low * (1.0 + 0.035 * wobble) / sampleRate);
            return (low + 0.42 * psi.advanceAndSine(twoPi * resonance->high / sampleRate)) / 1.42;
        });
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
