#include "platform/media/MicrophoneLevel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

template<typename Sample>
Sample sampleAt(const char *bytes)
{
    Sample sample;
    std::memcpy(&sample, bytes, sizeof sample);
    return sample;
}

// QAudioFormat::normalizedSampleValue() puts 8-bit silence (128) at 1/127,
// which would leave the bar of a silent microphone a little lit.
float normalized(QAudioFormat::SampleFormat format, const char *bytes)
{
    switch (format) {
    case QAudioFormat::UInt8: return (float(sampleAt<quint8>(bytes)) - 128.0f) / 128.0f;
    case QAudioFormat::Int16: return float(sampleAt<qint16>(bytes)) / 32768.0f;
    case QAudioFormat::Int32: return float(double(sampleAt<qint32>(bytes)) / 2147483648.0);
    default: return sampleAt<float>(bytes);
    }
}

} // namespace

std::optional<double> microphoneLevel(const QAudioFormat &format, QByteArrayView buffer)
{
    const int frameBytes = format.bytesPerFrame();
    if (frameBytes <= 0 || format.sampleFormat() == QAudioFormat::Unknown)
        return std::nullopt;
    const qsizetype frames = buffer.size() / frameBytes;
    if (frames == 0)
        return std::nullopt;

    float sumOfSquares = 0.0f;
    for (qsizetype frame = 0; frame < frames; ++frame) {
        const float value = normalized(format.sampleFormat(), buffer.data() + frame * frameBytes);
        sumOfSquares += value * value;
    }
    const float rms = std::sqrt(sumOfSquares / float(frames));
    return std::clamp(double(rms) * 12.0, 0.0, 1.0);
}
