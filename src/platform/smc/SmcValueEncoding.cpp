#include "platform/smc/SmcValueEncoding.h"

#include <cmath>
#include <cstring>

namespace {

QByteArray bigEndian16(quint16 value)
{
    QByteArray bytes(2, '\0');
    bytes[0] = char(value >> 8);
    bytes[1] = char(value);
    return bytes;
}

} // namespace

std::optional<QByteArray> smcEncodeSp78(double celsius)
{
    const double scaled = std::round(celsius * 256.0);
    if (!std::isfinite(scaled) || scaled < -32768.0 || scaled > 32767.0)
        return std::nullopt;
    return bigEndian16(quint16(qint16(scaled)));
}

std::optional<QByteArray> smcEncodeFpe2(double rpm)
{
    const double scaled = std::round(rpm * 4.0);
    if (!std::isfinite(scaled) || scaled < 0.0 || scaled > 65535.0)
        return std::nullopt;
    return bigEndian16(quint16(scaled));
}

QByteArray smcEncodeFloat(float value)
{
    QByteArray bytes(sizeof value, '\0');
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

QByteArray smcEncodeUnsigned(quint32 value, int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[size - 1 - i] = char(i < 4 ? value >> (8 * i) : 0);
    return bytes;
}
