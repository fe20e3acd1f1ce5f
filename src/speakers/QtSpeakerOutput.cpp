#include "speakers/QtSpeakerOutput.h"

#include "speakers/PcmEncoding.h"
#include "speakers/TestSignal.h"

#include <QAudioSink>
#include <QMediaDevices>

#include <utility>

namespace {

// A buffer this close to its end is only its faded tail, the lead-in and the
// sink's latency; it is let play out rather than cut with a click.
constexpr qint64 tailMicroseconds = 300'000;

// Silence ahead of the first buffer: how far the six stages' timers may wake
// late in all, together with the time their buffers take to make, before the
// sound has a gap.
constexpr qint64 leadInMicroseconds = 150'000;

QString reason(QAudio::Error error)
{
    switch (error) {
    case QAudio::OpenError: return QStringLiteral("Das Audio-Ausgabegerät lässt sich nicht öffnen.");
    case QAudio::IOError: return QStringLiteral("Das Audio-Ausgabegerät nimmt keine Daten an.");
    case QAudio::UnderrunError: return QStringLiteral("Das Audio-Ausgabegerät wurde nicht rechtzeitig beliefert.");
    case QAudio::FatalError: return QStringLiteral("Das Audiosystem meldet einen schweren Fehler.");
    case QAudio::NoError: break;
    }
    return QStringLiteral("Das Audiosystem meldet einen unbekannten Fehler.");
}

} // namespace

QtSpeakerOutput::QtSpeakerOutput(QObject *parent)
    : QObject(parent)
{
    m_writer.setInterval(10);
    connect(&m_writer, &QTimer::timeout, this, &QtSpeakerOutput::writePending);
}

QtSpeakerOutput::~QtSpeakerOutput()
{
    closeStream();
}

std::optional<int> QtSpeakerOutput::channelCount()
{
    // The user may have chosen another device since the last run.
    if (!m_sink)
        m_device = QMediaDevices::defaultAudioOutput();
    if (m_device.isNull())
        return std::nullopt;
    return m_device.preferredFormat().channelCount();
}

QAudioFormat QtSpeakerOutput::format()
{
    if (!m_sink) {
        m_format = QAudioFormat();
        m_format.setSampleRate(int(testSampleRate));
        m_format.setChannelCount(std::max(2, m_device.isNull() ? 2 : m_device.preferredFormat().channelCount()));
        m_format.setSampleFormat(QAudioFormat::Float);
        if (!m_device.isNull() && !m_device.isFormatSupported(m_format))
            m_format.setSampleFormat(m_device.preferredFormat().sampleFormat());
    }
    return m_format;
}

bool QtSpeakerOutput::isRunning() const
{
    return m_sink && m_stream;
}

std::optional<QString> QtSpeakerOutput::start()
{
    channelCount();
    if (m_device.isNull())
        return QStringLiteral("Es wurde kein Audio-Ausgabegerät gefunden.");
    format();
    if (!openStream()) {
        const QAudio::Error error = m_sink ? m_sink->error() : QAudio::OpenError;
        closeStream();
        return reason(error);
    }
    return std::nullopt;
}

bool QtSpeakerOutput::openStream()
{
    if (m_sink)
        m_sink->stop();
    else
        m_sink = std::make_unique<QAudioSink>(m_device, m_format);
    m_pending.clear();
    m_writtenBytes = 0;
    if (m_sink->error() != QAudio::NoError)
        return false;
    m_stream = m_sink->start();
    return m_stream && m_sink->error() == QAudio::NoError;
}

void QtSpeakerOutput::closeStream()
{
    m_writer.stop();
    m_pending.clear();
    m_stream = nullptr;
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
}

void QtSpeakerOutput::pause()
{
    m_playing = false;
    closeStream();
}

qint64 QtSpeakerOutput::queuedMicroseconds() const
{
    if (!m_sink)
        return 0;
    const qint64 frames = m_writtenBytes / std::max(1, m_format.bytesPerFrame());
    return frames * 1'000'000 / std::max(1, m_format.sampleRate()) - m_sink->processedUSecs();
}

void QtSpeakerOutput::play()
{
    if (!m_playing)
        m_leadIn = true;
    m_playing = true;
}

void QtSpeakerOutput::stopPlayer()
{
    m_playing = false;
    if (isRunning() && (!m_pending.isEmpty() || queuedMicroseconds() > tailMicroseconds))
        openStream();
}

void QtSpeakerOutput::schedule(const QByteArray &frames)
{
    if (!isRunning() || !m_playing)
        return;
    if (!m_pending.isEmpty() || queuedMicroseconds() > tailMicroseconds) {
        if (!openStream())
            return;
    }
    m_pending.clear();
    if (std::exchange(m_leadIn, false)) {
        const auto silent = std::vector<float>(std::size_t(m_format.framesForDuration(leadInMicroseconds)), 0.0f);
        m_pending = encodeFrames(StereoBuffer {silent, silent}, m_format);
    }
    m_pending += frames;
    writePending();
}

void QtSpeakerOutput::writePending()
{
    if (!m_stream || m_pending.isEmpty()) {
        m_writer.stop();
        return;
    }
    const qint64 written = m_stream->write(m_pending);
    if (written > 0) {
        m_writtenBytes += written;
        m_pending.remove(0, written);
    }
    if (m_pending.isEmpty()) {
        m_writer.stop();
    } else {
        // Whatever the sink did not take is written as it drains.
        if (m_sink->state() == QAudio::IdleState)
            ++m_underruns;
        m_writer.start();
    }
}
