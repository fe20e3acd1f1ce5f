#include "usbc/PropertyListText.h"

#include <QByteArray>
#include <QLocale>
#include <QVariantList>
#include <QVariantMap>

#include <cmath>

namespace {

QString indentation(int level)
{
    return QString(qMax(level, 0) * 4, QLatin1Char(' '));
}

bool isBare(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const bool plain = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '_' ||
            u == '$' || u == '/' || u == ':' || u == '.' || u == '-';
        if (!plain)
            return false;
    }
    return true;
}

QString stringText(const QString &text)
{
    if (isBare(text))
        return text;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '"' || u == '\\') {
            quoted += QLatin1Char('\\');
            quoted += c;
        } else if (u == '\n') {
            quoted += QLatin1String("\\n");
        } else if (u == '\t') {
            quoted += QLatin1String("\\t");
        } else if (u < 0x20 || u > 0x7e) {
            quoted += QStringLiteral("\\U%1").arg(u, 4, 16, QLatin1Char('0'));
        } else {
            quoted += c;
        }
    }
    quoted += QLatin1Char('"');
    return quoted;
}

QString hexWords(const QByteArray &bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % 4 == 0)
            text += QLatin1Char(' ');
        text += QStringLiteral("%1").arg(static_cast<uchar>(bytes.at(i)), 2, 16, QLatin1Char('0'));
    }
    return text;
}

QString dataText(const QByteArray &bytes)
{
    // Long data shows its head and tail only, so a firmware blob cannot
    // swamp the text.
    QString shown;
    if (bytes.size() <= 24)
        shown = hexWords(bytes);
    else
        shown = hexWords(bytes.first(16)) + QLatin1String(" ... ") + hexWords(bytes.last(8));
    return QStringLiteral("{length = %1, bytes = 0x%2}").arg(bytes.size()).arg(shown);
}

QString numberText(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

bool isCollection(const QVariant &value)
{
    const int type = value.typeId();
    return type == QMetaType::QVariantMap || type == QMetaType::QVariantList;
}

QString scalarText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Long:
    case QMetaType::Short: return QString::number(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::ULong:
    case QMetaType::UShort: return QString::number(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float: return numberText(value.toDouble());
    case QMetaType::QString: return stringText(value.toString());
    case QMetaType::QByteArray: return dataText(value.toByteArray());
    default: return QStringLiteral("\"\"");
    }
}

// A collection's text begins with its own indentation, as the nested entries
// of the platform's form do ("key =     {").
QString collectionText(const QVariant &value, int level)
{
    const QString outer = indentation(level);
    const QString inner = indentation(level + 1);
    QString text;
    if (value.typeId() == QMetaType::QVariantMap) {
        const QVariantMap map = value.toMap();
        text = outer + QLatin1String("{\n");
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            const QString rendered =
                isCollection(it.value()) ? collectionText(it.value(), level + 1) : scalarText(it.value());
            text += inner + stringText(it.key()) + QLatin1String(" = ") + rendered + QLatin1String(";\n");
        }
        text += outer + QLatin1Char('}');
        return text;
    }
    const QVariantList list = value.toList();
    text = outer + QLatin1String("(\n");
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QVariant &element = list.at(i);
        text += isCollection(element) ? collectionText(element, level + 1) : inner + scalarText(element);
        text += i + 1 < list.size() ? QLatin1String(",\n") : QLatin1String("\n");
    }
    text += outer + QLatin1Char(')');
    return text;
}

} // namespace

QString propertyListText(const QVariant &value, int indent)
{
    if (isCollection(value))
        return collectionText(value, indent);
    return scalarText(value);
}
