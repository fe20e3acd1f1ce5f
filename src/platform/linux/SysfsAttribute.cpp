#include "platform/linux/SysfsAttribute.h"

#include <QFile>

namespace {

// Attributes are short; a bounded read keeps a misbehaving file harmless.
constexpr qint64 maximumAttributeSize = 4096;

} // namespace

std::optional<QString> readAttribute(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(maximumAttributeSize);
    if (file.error() != QFile::NoError)
        return std::nullopt;
    QString text = QString::fromUtf8(bytes);
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\0')))
        text.chop(1);
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return text;
}

std::optional<qint64> readIntegerAttribute(const QString &path)
{
    const auto text = readAttribute(path);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const qint64 value = text->trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}
