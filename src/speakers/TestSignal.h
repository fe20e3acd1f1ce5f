#pragma once

#include <span>
#include <variant>
#include <vector>

// Which speaker a test sequence plays on.
enum class SpeakerSide { right, left };

// The sounds a test stage is made of.
namespace TestSignals {
// Exponential sine sweep over the whole stage.
struct Sweep
{
    double start;
    double end;
};
// One sine tone per frequency, equal time each, in order.
struct Stepped
{
    std::vector<double> frequencies;
};
// A sine tone whose loudness rises from 22 % to 100 %.
struct VolumeRamp
{
    double frequency;
};
// A slightly wobbling low tone mixed with a steady higher one.
struct Resonance
{
    double low;
    double high;
};
} // namespace TestSignals

using TestSignal =
    std::variant<TestSignals::Sweep, TestSignals::Stepped, TestSignals::VolumeRamp, TestSignals::Resonance>;

// One stage of the test sequence; its buffer is exactly `duration` long.
struct TestSegment
{
    const char *title;
    double duration;
    double amplitude;
    TestSignal signal;
};

// The six stages every side plays, in order (13.5 s).
std::span<const TestSegment> testSequence();

inline constexpr double testSampleRate = 48000.0;

// One stage synthesised for one side: two planar channels, left then right,
// of which only the side's carries sound.
struct StereoBuffer
{
    std::vector<float> left;
    std::vector<float> right;
    std::size_t frames() const { return left.size(); }
};

// Frame count of a stage: the duration in samples, truncated.
std::size_t frameCount(const TestSegment &segment, double sampleRate = testSampleRate);
// Throws std::bad_alloc when the buffer cannot be had.
StereoBuffer synthesize(const TestSegment &segment, SpeakerSide side, double sampleRate = testSampleRate);
