#include "platform/media/MicrophoneTap.h"

#include "platform/media/MicrophoneLevel.h"

#include <QAudioSource>
#include <QMediaDevices>

namespace {

QString sentenceFor(QAudio::Error error)
{
    switch (error) {
    case QAudio::OpenError: return QStringLiteral("Das Audiogerät ließ sich nicht öffnen.");
    case QAudio::FatalError: return QStringLiteral("Das Audiosystem hat die Aufnahme abgebrochen.");
    default: return QStringLiteral("Beim Lesen vom Audiogerät ist ein Fehler aufgetreten.");
    }
}

} // namespace

MicrophoneTap::~MicrophoneTap()
{
    if (m_source)
        m_source->stop();
}

void MicrophoneTap::start()
{
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull()) {
        fail(QStringLiteral("Es wurde kein Mikrofon gefunden."));
        return;
    }
    m_format = device.preferredFormat();
    if (m_format.sampleRate() <= 0)
        return;
    m_source = new QAudioSource(device, m_format, this);
    // About 1024 frames a buffer.
    m_source->setBufferSize(m_format.bytesForFrames(1024));
    connect(m_source, &QAudioSource::stateChanged, this, &MicrophoneTap::reportStop);
    m_buffers = m_source->start();
    if (!m_buffers) {
        fail(sentenceFor(m_source->error()));
        return;
    }
    connect(m_buffers, &QIODevice::readyRead, this, &MicrophoneTap::readBuffers);
}

void MicrophoneTap::readBuffers()
{
    const QByteArray buffer = m_buffers->readAll();
    if (const auto level = microphoneLevel(m_format, buffer))
        emit levelMeasured(*level);
}

void MicrophoneTap::reportStop()
{
    if (m_source->state() == QAudio::StoppedState && m_source->error() != QAudio::NoError)
        fail(sentenceFor(m_source->error()));
}

void MicrophoneTap::fail(const QString &reason)
{
    // A failed start also reports its stop; the user hears of it once.
    if (m_failed)
        return;
    m_failed = true;
    emit failed(reason);
}
