#include "speakers/QtSpeakerOutput.h"
#include "speakers/SpeakerCheckViewModel.h"
#include "support/FakePlatform.h"
#include "support/NullSinkSoundServer.h"

#include <QTest>

#include <cmath>

// A whole right-then-left run in real time into a private null sink, recorded
// from its monitor: where each stage lands, what lies between stages and
// whether the sink ever starved inside one.
class SpeakerNullSinkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!NullSinkSoundServer::available())
            QSKIP("pulseaudio is not installed");
        // Before anything touches Qt's audio, which connects only once.
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    }

    void rightThenLeftIntoTheSink()
    {
        TimerClock clock;
        SimulatedMachine machine;
        machine.hwModel = QStringLiteral("MacBookPro18,3");
        auto owned = std::make_unique<QtSpeakerOutput>();
        QtSpeakerOutput &output = *owned;
        SpeakerCheckViewModel flow(makeFakePlatform(machine), clock, std::move(owned));

        const auto recording = m_server.recordMonitor();
        QVERIFY(recording->isRecording());
        flow.start();
        QTRY_VERIFY_WITH_TIMEOUT(flow.awaitingAssessment() || !flow.errorMessage().isEmpty(), 20000);
        QCOMPARE(flow.errorMessage(), QString());
        flow.submitAssessment(SpeakerAssessment::Okay);
        QTRY_VERIFY_WITH_TIMEOUT(flow.awaitingAssessment() || !flow.errorMessage().isEmpty(), 20000);
        QCOMPARE(flow.errorMessage(), QString());
        QTest::qWait(300);
        const std::vector<float> samples = recording->stop();
        flow.reset();

        std::vector<float> channels[2];
        for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
            channels[0].push_back(samples[i]);
            channels[1].push_back(samples[i + 1]);
        }
        const auto right = measureSide(channels[1], channels[0]);
        const auto left = measureSide(channels[0], channels[1]);
        QVERIFY(right.found && left.found);
        // The left side begins after the right one, the answer and the pause.
        QVERIFY2(left.onset > right.end + std::size_t(0.44 * 48000), qPrintable(QString::number(left.onset)));

        qInfo("longest dropout inside a stage: %.2f ms; sink ran dry mid-buffer %d times; volume stage rises %.2fx",
              std::max(right.longestDropout, left.longestDropout) / 48.0, output.underruns(), right.rampRise);
        for (const Side *side : {&right, &left}) {
            QVERIFY2(side->otherChannelSilent, "the other channel carried sound");
            QVERIFY2(side->rampRise > 2.5, qPrintable(QString::number(side->rampRise)));
        }
        // A dropout is a run of pure silence longer than 5 ms inside a stage.
        QVERIFY2(right.longestDropout <= 240, qPrintable(QString::number(right.longestDropout)));
        QVERIFY2(left.longestDropout <= 240, qPrintable(QString::number(left.longestDropout)));
        // 13.5 s of stages and the gaps between them.
        for (const Side *side : {&right, &left}) {
            const double seconds = double(side->end - side->onset) / 48000;
            QVERIFY2(seconds >= 13.5 && seconds < 13.6, qPrintable(QString::number(seconds)));
        }
        QCOMPARE(output.underruns(), 0);
    }

private:
    struct Side
    {
        bool found = false;
        std::size_t onset = 0;
        std::size_t end = 0;
        bool otherChannelSilent = true;
        // The longest run of pure silence inside a stage, in frames.
        std::size_t longestDropout = 0;
        // How much louder the volume stage ends than it starts.
        double rampRise = 0;
    };

    // Walks the stages from the first sound on `sound`: each stage is exactly
    // its frame count long, followed by whatever silence the sink added.
    static Side measureSide(const std::vector<float> &sound, const std::vector<float> &other)
    {
        static const std::size_t frames[] = {100800, 96000, 96000, 153600, 105600, 96000};
        Side side;
        std::size_t at = 0;
        // A side's stages all start with one silent frame.
        while (at < sound.size() && sound[at] == 0.0f)
            ++at;
        if (at == 0 || at == sound.size())
            return side;
        side.onset = at - 1;
        at = side.onset;
        for (int stage = 0; stage < 6; ++stage) {
            if (at + frames[stage] > sound.size())
                return side;
            std::size_t run = 0;
            for (std::size_t k = at + 1; k < at + frames[stage]; ++k) {
                run = sound[k] == 0.0f ? run + 1 : 0;
                side.longestDropout = std::max(side.longestDropout, run);
                if (other[k] != 0.0f)
                    side.otherChannelSilent = false;
            }
            if (stage == 4) {
                const auto level = [&](std::size_t first) {
                    double sum = 0;
                    for (std::size_t k = first; k < first + 9600; ++k)
                        sum += double(sound[k]) * sound[k];
                    return std::sqrt(sum / 9600);
                };
                side.rampRise = level(at + frames[stage] - 14400) / level(at + 4800);
            }
            at += frames[stage];
            if (stage == 5)
                break;
            std::size_t gap = 0;
            while (at + gap + 1 < sound.size() && sound[at + gap + 1] == 0.0f)
                ++gap;
            at += gap;
        }
        side.end = at;
        side.found = true;
        return side;
    }

    NullSinkSoundServer m_server;
};

QTEST_GUILESS_MAIN(SpeakerNullSinkTest)
#include "SpeakerNullSinkTest.moc"
