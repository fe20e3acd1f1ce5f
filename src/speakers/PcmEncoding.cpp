#include "speakers/PcmEncoding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

template<typename Sample, typename Convert>
QByteArray interleave(const StereoBuffer &buffer, int channels, Convert convert)
{
    const std::size_t frames = buffer.frames();
    QByteArray bytes(qsizetype(frames * std::size_t(channels) * sizeof(Sample)), Qt::Uninitialized);
    auto *out = reinterpret_cast<Sample *>(bytes.data());
    const Sample silence = convert(0.0f);
    for (std::size_t k = 0; k < frames; ++k) {
        Sample *frame = out + k * std::size_t(channels);
        frame[0] = convert(buffer.left[k]);
        frame[1] = convert(buffer.right[k]);
        std::fill(frame + 2, frame + channels, silence);
    }
    return bytes;
}

template<typename Integer>
Integer scaled(float sample)
{
    constexpr double top = double(std::numeric_limits<Integer>::max());
    return Integer(std::lround(std::clamp(double(sample), -1.0, 1.0) * top));
}

} // namespace

QByteArray encodeFrames(const StereoBuffer &buffer, const QAudioFormat &format)
{
    const int channels = format.channelCount();
    if (channels < 2)
        return {};
    switch (format.sampleFormat()) {
    case QAudioFormat::Float: return interleave<float>(buffer, channels, [](float s) { return s; });
    case QAudioFormat::Int16: return interleave<std::int16_t>(buffer, channels, scaled<std::int16_t>);
    case QAudioFormat::Int32: return interleave<std::int32_t>(buffer, channels, scaled<std::int32_t>);
    case QAudioFormat::UInt8:
        return interleave<std::uint8_t>(buffer, channels, [](float s) {
            return std::uint8_t(128 + std::lround(std::clamp(double(s), -1.0, 1.0) * 127));
        });
    default: return {};
    }
}
