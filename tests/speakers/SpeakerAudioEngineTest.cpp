#include "speakers/SpeakerAudioEngine.h"
#include "speakers/PcmEncoding.h"
#include "support/FakeSpeakerOutput.h"
#include "support/ManualClock.h"

#include <QCoreApplication>
#include <QTest>
#include <QThreadPool>

#include <cstdint>

using namespace std::chrono_literals;

namespace {

struct Run
{
    std::optional<SpeakerAudioEngine::Outcome> outcome;
    std::vector<std::pair<qint64, double>> progress;
    QStringList texts;
    bool cancelled = false;
};

QCoro::Task<> play(SpeakerAudioEngine &engine, SpeakerSide side, Run &run, const ManualClock &clock)
{
    run.outcome = co_await engine.playTestSequence(
        side,
        [&run, &clock](double progress, const QString &text) {
            run.progress.emplace_back(clock.now().count(), progress);
            run.texts << text;
        },
        [&run] { return run.cancelled; });
}

// Lets finished syntheses hand over, then moves virtual time on by 10 ms.
void advance(ManualClock &clock, std::chrono::milliseconds duration)
{
    for (auto passed = 0ms; passed < duration; passed += 10ms) {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        clock.advance(10ms);
    }
}

const qint64 stageStarts[] = {0, 2100, 4100, 6100, 9300, 11500};

} // namespace

class SpeakerAudioEngineTest : public QObject
{
    Q_OBJECT

private slots:
    // Which channel sounds the signal and flow tests prove; here: when each
    // stage is scheduled and announced, and that none is cut short.
    void playsSixStagesInTime()
    {
        const SpeakerSide side = SpeakerSide::left;
        ManualClock clock;
        auto owned = std::make_unique<FakeSpeakerOutput>(&clock);
        FakeSpeakerOutput &output = *owned;
        SpeakerAudioEngine engine(std::move(owned), clock);
        Run run;
        play(engine, side, run, clock);
        advance(clock, 13600ms);

        QVERIFY(run.outcome);
        QVERIFY(!run.outcome->cancelled);
        QVERIFY(!run.outcome->error);
        QCOMPARE(output.events,
                 (QStringList {"start", "stop player", "play", "schedule", "schedule", "schedule", "schedule",
                               "schedule", "schedule", "stop player"}));
        QCOMPARE(output.running, true);
        QCOMPARE(output.scheduled.size(), std::size_t(6));
        qint64 frames = 0;
        for (std::size_t i = 0; i < 6; ++i) {
            QCOMPARE(output.scheduled[i].at, stageStarts[i]);
            frames += output.frames(output.scheduled[i]);
        }
        QCOMPARE(frames, qint64(13.5 * 48000));

        // Each stage is announced as it begins and counted once its time is over.
        QCOMPARE(run.progress.size(), std::size_t(12));
        for (std::size_t i = 0; i < 6; ++i) {
            QCOMPARE(run.progress[2 * i], std::make_pair(stageStarts[i], double(i) / 6));
            QCOMPARE(run.progress[2 * i + 1].second, double(i + 1) / 6);
            QCOMPARE(run.texts[qsizetype(2 * i)], QString::fromUtf8(testSequence()[i].title));
            QCOMPARE(run.texts[qsizetype(2 * i + 1)], run.texts[qsizetype(2 * i)]);
        }
        QCOMPARE(run.progress.back().first, 13500);

        // A second run finds the device running and does not start it again.
        output.events.clear();
        Run again;
        play(engine, side, again, clock);
        advance(clock, 13600ms);
        QVERIFY(again.outcome && !again.outcome->error);
        QCOMPARE(output.events.first(), QStringLiteral("stop player"));
    }

    void failsBeforeAnythingPlays_data()
    {
        QTest::addColumn<std::optional<int>>("channels");
        QTest::addColumn<std::optional<QString>>("startFailure");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QStringList>("events");

        QTest::newRow("mono device") << std::optional<int>(1) << std::optional<QString>()
                                     << QStringLiteral("Das aktuelle macOS-Ausgabegerät stellt keinen Stereo-Ausgang "
                                                       "bereit. Bitte wähle die internen MacBook Lautsprecher aus.")
                                     << QStringList {};
        QTest::newRow("no device") << std::optional<int>() << std::optional<QString>("Kein Gerät.")
                                   << QStringLiteral("Die Audiowiedergabe konnte nicht gestartet werden: Kein Gerät.")
                                   << QStringList {"start"};
        QTest::newRow("start fails") << std::optional<int>(2) << std::optional<QString>("Belegt.")
                                     << QStringLiteral("Die Audiowiedergabe konnte nicht gestartet werden: Belegt.")
                                     << QStringList {"start"};
    }

    void failsBeforeAnythingPlays()
    {
        QFETCH(std::optional<int>, channels);
        QFETCH(std::optional<QString>, startFailure);
        QFETCH(QString, description);
        QFETCH(QStringList, events);

        ManualClock clock;
        auto owned = std::make_unique<FakeSpeakerOutput>(&clock);
        owned->channels = channels;
        owned->startFailure = startFailure;
        FakeSpeakerOutput &output = *owned;
        SpeakerAudioEngine engine(std::move(owned), clock);
        Run run;
        play(engine, SpeakerSide::right, run, clock);
        advance(clock, 10ms);

        QVERIFY(run.outcome && run.outcome->error);
        QCOMPARE(run.outcome->error->description(), description);
        QCOMPARE(output.events, events);
        QVERIFY(run.progress.empty());
    }

    // Cancelled in the middle of the third stage: that stage is not counted,
    // nothing more is scheduled and the player is left to the caller.
    void cancelledDuringAStage()
    {
        ManualClock clock;
        auto owned = std::make_unique<FakeSpeakerOutput>(&clock);
        FakeSpeakerOutput &output = *owned;
        SpeakerAudioEngine engine(std::move(owned), clock);
        Run run;
        play(engine, SpeakerSide::left, run, clock);
        advance(clock, 5000ms);
        run.cancelled = true;
        advance(clock, 10000ms);

        QVERIFY(run.outcome && run.outcome->cancelled && !run.outcome->error);
        QCOMPARE(output.scheduled.size(), std::size_t(3));
        QCOMPARE(run.progress.back().second, 2.0 / 6);
        QCOMPARE(output.events.back(), QStringLiteral("schedule"));
    }

    // Frames for devices that do not take stereo float: left on channel 0,
    // right on channel 1, other channels silent.
    void encodesForTheDevice_data()
    {
        QTest::addColumn<QAudioFormat::SampleFormat>("sampleFormat");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QList<double>>("firstFrame");

        QTest::newRow("float stereo") << QAudioFormat::Float << 2 << QList<double> {0.5, -0.25};
        QTest::newRow("int16 stereo") << QAudioFormat::Int16 << 2 << QList<double> {16384, -8192};
        QTest::newRow("int32 four channels")
            << QAudioFormat::Int32 << 4 << QList<double> {1073741824, -536870912, 0, 0};
        QTest::newRow("uint8 stereo") << QAudioFormat::UInt8 << 2 << QList<double> {192, 96};
    }

    void encodesForTheDevice()
    {
        QFETCH(QAudioFormat::SampleFormat, sampleFormat);
        QFETCH(int, channels);
        QFETCH(QList<double>, firstFrame);

        QAudioFormat format;
        format.setSampleRate(48000);
        format.setChannelCount(channels);
        format.setSampleFormat(sampleFormat);
        const StereoBuffer buffer {{0.5f, 2.0f}, {-0.25f, -2.0f}};
        const QByteArray bytes = encodeFrames(buffer, format);
        QCOMPARE(bytes.size(), 2 * format.bytesPerFrame());
        for (int c = 0; c < channels; ++c) {
            const char *sample = bytes.constData() + c * format.bytesPerSample();
            double value = 0;
            switch (sampleFormat) {
            case QAudioFormat::Float: value = *reinterpret_cast<const float *>(sample); break;
            case QAudioFormat::Int16: value = *reinterpret_cast<const std::int16_t *>(sample); break;
            case QAudioFormat::Int32: value = *reinterpret_cast<const std::int32_t *>(sample); break;
            default: value = *reinterpret_cast<const std::uint8_t *>(sample); break;
            }
            QVERIFY2(std::abs(value - firstFrame[c]) <= 1, qPrintable(QString::number(value)));
        }
        // Out of range samples are clipped, not wrapped around.
        const double full = format.normalizedSampleValue(bytes.constData() + format.bytesPerFrame());
        QVERIFY(full > 0.99);
    }
};

QTEST_GUILESS_MAIN(SpeakerAudioEngineTest)
#include "SpeakerAudioEngineTest.moc"
