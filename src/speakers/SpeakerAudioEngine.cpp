#include "speakers/SpeakerAudioEngine.h"

#include "speakers/PcmEncoding.h"

#include <QCoro/QCoroFuture>
#include <QtConcurrent/QtConcurrentRun>

#include <chrono>
#include <new>

namespace {

// Empty when the memory for the stage cannot be had.
QByteArray makeBuffer(const TestSegment &segment, SpeakerSide side, const QAudioFormat &format)
{
    try {
        return encodeFrames(synthesize(segment, side), format);
    } catch (const std::bad_alloc &) {
        return {};
    }
}

} // namespace

SpeakerAudioEngine::SpeakerAudioEngine(std::unique_ptr<SpeakerOutput> output, Clock &clock)
    : m_output(std::move(output))
    , m_clock(clock)
{
}

QCoro::Task<SpeakerAudioEngine::Outcome> SpeakerAudioEngine::playTestSequence(SpeakerSide side, Report report,
                                                                              Cancelled cancelled)
{
    // Without a device there is nothing to count; starting it then fails
    // with the platform's reason.
    if (const std::optional<int> channels = m_output->channelCount(); channels && *channels < 2)
        co_return Outcome {false, AudioTestError {AudioTestError::Kind::stereoOutputUnavailable, {}}};
    if (!m_output->isRunning()) {
        if (const std::optional<QString> failure = m_output->start())
            co_return Outcome {false, AudioTestError {AudioTestError::Kind::audioEngineFailed, *failure}};
    }
    m_output->stopPlayer();
    m_output->play();

    const std::span<const TestSegment> sequence = testSequence();
    const double count = double(sequence.size());
    const QAudioFormat format = m_output->format();
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        if (cancelled())
            co_return Outcome {true, {}};
        const TestSegment &segment = sequence[i];
        const QString title = QString::fromUtf8(segment.title);
        report(double(i) / count, title);

        // Started apart from the co_await, whose temporaries g++ 12 destroys twice.
        const QFuture<QByteArray> synthesis = QtConcurrent::run(makeBuffer, segment, side, format);
        const QByteArray frames = co_await synthesis;
        if (cancelled())
            co_return Outcome {true, {}};
        if (frames.isEmpty())
            co_return Outcome {false, AudioTestError {AudioTestError::Kind::bufferCreationFailed, {}}};
        m_output->schedule(frames);
        if (!m_output->isPlaying())
            m_output->play();

        const auto duration = std::chrono::milliseconds(qRound64(segment.duration * 1000));
        co_await m_clock.sleep(duration);
        if (cancelled())
            co_return Outcome {true, {}};
        report(double(i + 1) / count, title);
    }
    m_output->stopPlayer();
    co_return Outcome {};
}
