#include "platform/values/PropertyValues.h"

#include <QLocale>
#include <QStringDecoder>

#include <cmath>
#include <limits>

namespace {

bool isInteger(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort: return true;
    default: return false;
    }
}

bool isFloating(const QVariant &value)
{
    return value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

std::optional<qint64> exactInteger(const QVariant &value)
{
    if (value.typeId() == QMetaType::ULongLong || value.typeId() == QMetaType::ULong) {
        const qulonglong unsignedValue = value.toULongLong();
        if (unsignedValue > static_cast<qulonglong>(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return static_cast<qint64>(unsignedValue);
    }
    return value.toLongLong();
}

// Whole number of a double, dropping the fraction; none where it does not fit.
std::optional<qint64> truncated(double value)
{
    if (!std::isfinite(value) || value >= 9.2e18 || value <= -9.2e18)
        return std::nullopt;
    return static_cast<qint64>(value);
}

// Keeps digits, "." and "-" after turning "," into ".", then reads a plain
// decimal number: "87%" is 87, "1,5" is 1.5, "1.234 mAh" is 1.234.
std::optional<double> numberInText(const QString &text)
{
    QString cleaned;
    for (QChar c : text) {
        if (c == QLatin1Char(','))
            c = QLatin1Char('.');
        if (c.isNumber() || c == QLatin1Char('.') || c == QLatin1Char('-'))
            cleaned.append(c);
    }
    bool ok = false;
    const double number = cleaned.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<QString> decodedData(const QByteArray &data)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(data);
    if (decoder.hasError())
        return std::nullopt;
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).category() == QChar::Other_Control)
        ++begin;
    while (end > begin && text.at(end - 1).category() == QChar::Other_Control)
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

std::optional<QString> propertyText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (isInteger(value)) {
        if (const auto integer = exactInteger(value))
            return QString::number(*integer);
        return QString::number(value.toULongLong());
    }
    if (isFloating(value))
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    if (value.typeId() == QMetaType::QByteArray)
        return decodedData(value.toByteArray());
    return std::nullopt;
}

std::optional<qint64> propertyInteger(const QVariant &value)
{
    if (isInteger(value))
        return exactInteger(value);
    if (isFloating(value))
        return truncated(value.toDouble());
    if (value.typeId() == QMetaType::QString) {
        const auto number = numberInText(value.toString());
        if (!number)
            return std::nullopt;
        return truncated(std::round(*number));
    }
    return std::nullopt;
}

std::optional<double> propertyDouble(const QVariant &value)
{
    if (isInteger(value) || isFloating(value))
        return value.toDouble();
    if (value.typeId() == QMetaType::QString)
        return numberInText(value.toString());
    return std::nullopt;
}

std::optional<bool> propertyBoolean(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (isInteger(value))
        return exactInteger(value).value_or(1) != 0;
    if (isFloating(value))
        return value.toDouble() != 0.0;
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().toLower();
        if (text == QLatin1String("yes") || text == QLatin1String("true") || text == QLatin1String("ja") ||
            text == QLatin1String("1"))
            return true;
        if (text == QLatin1String("no") || text == QLatin1String("false") || text == QLatin1String("nein") ||
            text == QLatin1String("0"))
            return false;
    }
    return std::nullopt;
}
