#include "platform/smc/SmcLineParsers.h"

#include <QByteArrayView>

#include <charconv>
#include <cmath>

namespace {

// The whole piece as a number written with a point, nothing before or after.
template<typename Number>
std::optional<Number> wholeNumber(QByteArrayView piece)
{
    Number number {};
    const char *end = piece.data() + piece.size();
    const auto result = std::from_chars(piece.data(), end, number);
    if (piece.isEmpty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return number;
}

QList<QByteArrayView> nonEmptyPieces(QByteArrayView text, char separator)
{
    QList<QByteArrayView> pieces;
    while (!text.isEmpty()) {
        const qsizetype cut = text.indexOf(separator);
        const QByteArrayView piece = cut < 0 ? text : text.first(cut);
        if (!piece.isEmpty())
            pieces.append(piece);
        text = cut < 0 ? QByteArrayView() : text.sliced(cut + 1);
    }
    return pieces;
}

std::optional<double> finiteNumber(QByteArrayView piece)
{
    const auto number = wholeNumber<double>(piece);
    return number && std::isfinite(*number) ? number : std::nullopt;
}

std::optional<double> nonNegative(QByteArrayView piece)
{
    const auto number = finiteNumber(piece);
    return number && !std::signbit(*number) ? number : std::nullopt;
}

} // namespace

QList<RawTemperatureSample> parseTemperatureLines(const char *text)
{
    QList<RawTemperatureSample> samples;
    for (QByteArrayView line : nonEmptyPieces(QByteArrayView(text), '\n')) {
        const int bar = int(line.indexOf('|'));
        if (bar <= 0 || bar == line.size() - 1)
            continue;
        const auto celsius = finiteNumber(line.sliced(bar + 1));
        if (!celsius || *celsius < 1.0 || *celsius > 125.0)
            continue;
        samples.append({QString::fromUtf8(line.first(bar)), *celsius});
    }
    return samples;
}

QList<FanReading> parseFanLines(const char *text)
{
    QList<FanReading> fans;
    for (QByteArrayView line : nonEmptyPieces(QByteArrayView(text), '\n')) {
        const QList<QByteArrayView> pieces = nonEmptyPieces(line, '|');
        if (pieces.size() < 5)
            continue;
        // Fans are counted from 0 and never turn backwards.
        const auto id = wholeNumber<int>(pieces[0]);
        const auto actual = nonNegative(pieces[1]);
        if (!id || *id < 0 || !actual)
            continue;
        fans.append({*id, *actual, nonNegative(pieces[2]), nonNegative(pieces[3]), nonNegative(pieces[4])});
    }
    return fans;
}
