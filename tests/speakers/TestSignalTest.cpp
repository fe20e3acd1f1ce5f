#include "speakers/TestSignal.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const std::vector<float> &carrying(const StereoBuffer &buffer, SpeakerSide side)
{
    return side == SpeakerSide::left ? buffer.left : buffer.right;
}

// Peak level of a tone from the frames [first, first + count); exact for any
// phase when the window holds whole cycles.
double level(const std::vector<float> &samples, std::size_t first, std::size_t count)
{
    double sum = 0.0;
    for (std::size_t k = first; k < first + count; ++k)
        sum += double(samples[k]) * samples[k];
    return std::sqrt(2.0 * sum / double(count));
}

// Times (s) of the upward zero crossings in [from, to), linearly interpolated.
std::vector<double> upwardCrossings(const std::vector<double> &samples, double from, double to)
{
    std::vector<double> times;
    const auto first = std::size_t(from * testSampleRate);
    const auto last = std::min(samples.size() - 1, std::size_t(to * testSampleRate));
    for (std::size_t k = first; k < last; ++k) {
        if (samples[k] < 0.0 && samples[k + 1] >= 0.0)
            times.push_back((double(k) + samples[k] / (samples[k] - samples[k + 1])) / testSampleRate);
    }
    return times;
}

// Mean frequency between the first and the last upward crossing in [from, to).
double frequency(const std::vector<double> &samples, double from, double to)
{
    const std::vector<double> times = upwardCrossings(samples, from, to);
    if (times.size() < 2)
        return 0.0;
    return double(times.size() - 1) / (times.back() - times.front());
}

std::vector<double> widened(const std::vector<float> &samples)
{
    return {samples.begin(), samples.end()};
}

const TestSegment &segment(int number)
{
    return testSequence()[std::size_t(number - 1)];
}

} // namespace

Q_DECLARE_METATYPE(SpeakerSide)

class TestSignalTest : public QObject
{
    Q_OBJECT

private slots:
    void everySegmentOnEachSide_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<SpeakerSide>("side");
        QTest::addColumn<int>("frames");
        const int frames[] = {100800, 96000, 96000, 153600, 105600, 96000};
        for (int number = 1; number <= 6; ++number) {
            for (const SpeakerSide side : {SpeakerSide::right, SpeakerSide::left}) {
                QTest::addRow("%d %s", number, side == SpeakerSide::right ? "right" : "left")
                    << number << side << frames[number - 1];
            }
        }
    }

    // Only the side's channel sounds; each stage starts and ends in silence
    // and peaks at its amplitude.
    void everySegmentOnEachSide()
    {
        QFETCH(int, number);
        QFETCH(SpeakerSide, side);
        QFETCH(int, frames);

        const StereoBuffer buffer = synthesize(segment(number), side);
        QCOMPARE(buffer.left.size(), std::size_t(frames));
        QCOMPARE(buffer.right.size(), std::size_t(frames));
        const std::vector<float> &silent =
            carrying(buffer, side == SpeakerSide::left ? SpeakerSide::right : SpeakerSide::left);
        QVERIFY(std::all_of(silent.begin(), silent.end(), [](float s) { return s == 0.0f; }));

        const std::vector<float> &sound = carrying(buffer, side);
        QVERIFY(std::abs(sound.front()) < 1e-6);
        QVERIFY(std::abs(sound.back()) < 1e-6);
        const double amplitude = segment(number).amplitude;
        const float peak =
            *std::max_element(sound.begin(), sound.end(), [](float a, float b) { return std::abs(a) < std::abs(b); });
        QVERIFY2(std::abs(peak) <= amplitude * (1 + 1e-6) && std::abs(peak) > 0.95 * amplitude,
                 qPrintable(QString::number(peak)));
    }

    // Halfway through an exponential sweep the tone is at the geometric mean
    // of its ends, not the arithmetic one.
    void sweepIsExponential_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<double>("window");
        QTest::newRow("low") << 1 << 0.030;
        QTest::newRow("middle") << 2 << 0.010;
        QTest::newRow("high") << 3 << 0.004;
    }

    void sweepIsExponential()
    {
        QFETCH(int, number);
        QFETCH(double, window);

        const auto &sweep = std::get<TestSignals::Sweep>(segment(number).signal);
        const std::vector<double> sound = widened(synthesize(segment(number), SpeakerSide::right).right);
        const double middle = segment(number).duration / 2.0;
        const double measured = frequency(sound, middle - window, middle + window);
        const double expected = std::sqrt(sweep.start * sweep.end);
        QVERIFY2(std::abs(measured / expected - 1.0) < 0.01, qPrintable(QString::number(measured)));
    }

    // Seven equal steps in list order, each fading in and out over 20 ms, so
    // the stage dips to silence at every inner boundary.
    void steppedTones()
    {
        const TestSegment &stepped = segment(4);
        const std::vector<float> &sound = synthesize(stepped, SpeakerSide::left).left;
        const std::vector<double> wide = widened(sound);
        const double length = stepped.duration / 7.0;
        const double frequencies[] = {120, 250, 500, 1000, 2000, 4000, 8000};
        for (int step = 0; step < 7; ++step) {
            const double begin = step * length;
            const double measured = frequency(wide, begin + 0.05, begin + length - 0.05);
            QVERIFY2(std::abs(measured / frequencies[step] - 1.0) < 0.002,
                     qPrintable(QStringLiteral("step %1: %2 Hz").arg(step).arg(measured)));
            if (step == 0)
                continue;
            const auto boundary = std::size_t(std::ceil(begin * testSampleRate));
            for (std::size_t k = boundary - 24; k < boundary + 24; ++k)
                QVERIFY2(std::abs(sound[k]) < 0.003 * stepped.amplitude, qPrintable(QString::number(k)));
        }

        // The 4 kHz step has 12 frames a cycle, so its level can be read at
        // any point of the fade.
        const double begin = 5 * length;
        for (const double u : {0.005, 0.010, 0.015, 0.030}) {
            const double e = std::min(u / 0.02, 1.0);
            const auto first = std::size_t(std::llround((begin + u) * testSampleRate)) - 6;
            const double measured = level(sound, first, 12) / stepped.amplitude;
            QVERIFY2(std::abs(measured - e * e * (3 - 2 * e)) < 0.01,
                     qPrintable(QStringLiteral("%1 s into the step: %2").arg(u).arg(measured)));
        }
    }

    // After the edge fade the tone starts near 22 % of the stage's amplitude
    // and ends at the full amplitude.
    void volumeRises()
    {
        const TestSegment &ramp = segment(5);
        const std::vector<float> &sound = synthesize(ramp, SpeakerSide::right).right;
        // 960 frames are 13 cycles of 650 Hz.
        const auto levelAround = [&](double t) {
            return level(sound, std::size_t(t * testSampleRate) - 480, 960) / ramp.amplitude;
        };
        const double start = levelAround(0.045);
        const double end = levelAround(ramp.duration - 0.045);
        QVERIFY2(start > 0.22 && start < 0.25, qPrintable(QString::number(start)));
        QVERIFY2(end > 0.99 && end <= 1.0, qPrintable(QString::number(end)));
        double previous = start;
        for (double t = 0.2; t < ramp.duration - 0.05; t += 0.2) {
            QVERIFY(levelAround(t) > previous);
            previous = levelAround(t);
        }
    }

    // The low tone wobbles by ±3.5 % at 3.2 Hz; the high one is steady.
    void resonanceVibrato()
    {
        const TestSegment &resonance = segment(6);
        const auto &tones = std::get<TestSignals::Resonance>(resonance.signal);
        const std::vector<float> &sound = synthesize(resonance, SpeakerSide::left).left;
        std::vector<double> low(sound.size());
        for (std::size_t k = 0; k < sound.size(); ++k) {
            const double high = std::sin(2 * std::numbers::pi * tones.high * double(k + 1) / testSampleRate);
            low[k] = sound[k] * 1.42 / resonance.amplitude - 0.42 * high;
        }

        const std::vector<double> crossings = upwardCrossings(low, 0.04, resonance.duration - 0.04);
        double lowest = 1e9;
        double highest = 0;
        for (std::size_t i = 1; i < crossings.size(); ++i) {
            const double f = 1.0 / (crossings[i] - crossings[i - 1]);
            lowest = std::min(lowest, f);
            highest = std::max(highest, f);
        }
        QVERIFY2(std::abs(lowest / (tones.low * 0.965) - 1.0) < 0.003, qPrintable(QString::number(lowest)));
        QVERIFY2(std::abs(highest / (tones.low * 1.035) - 1.0) < 0.003, qPrintable(QString::number(highest)));
        // 3.2 wobbles a second: the tone's mean frequency over one wobble is the low tone.
        QVERIFY(std::abs(frequency(low, 0.5, 0.5 + 1 / 3.2) / tones.low - 1.0) < 0.003);
    }

    void titles()
    {
        QCOMPARE(QString::fromUtf8(segment(2).title), QStringLiteral("Mitteltonprüfung · 300–1.800 Hz"));
        QCOMPARE(QString::fromUtf8(segment(6).title), QStringLiteral("Resonanzprüfung · Scheppern und Knacken"));
    }
};

QTEST_APPLESS_MAIN(TestSignalTest)
#include "TestSignalTest.moc"
