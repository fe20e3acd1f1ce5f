#include "platform/linux/SysfsAttribute.h"

#include <QFile>
#include <QStringDecoder>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Attributes are short; a bounded read keeps a misbehaving file harmless.
constexpr qint64 maximumAttributeSize = 4096;

bool isText(const QString &text)
{
    for (const QChar c : text) {
        if ((c.category() == QChar::Other_Control && c != u'\n' && c != u'\t') || c == QChar::ReplacementCharacter)
            return false;
    }
    return true;
}

} // namespace

std::optional<QByteArray> readFileStart(const QString &path, qint64 limit)
{
    // Non-blocking, so that opening a pipe without a writer returns at once.
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file < 0)
        return std::nullopt;
    struct stat info
    {
    };
    QByteArray content;
    bool failed = ::fstat(file, &info) != 0 || !S_ISREG(info.st_mode);
    if (!failed) {
        content.resize(limit);
        qsizetype filled = 0;
        while (filled < content.size()) {
            const ssize_t count = ::read(file, content.data() + filled, std::size_t(content.size() - filled));
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0) {
                failed = count < 0;
                break;
            }
            filled += count;
        }
        content.truncate(filled);
    }
    ::close(file);
    return failed ? std::nullopt : std::optional<QByteArray>(content);
}

std::optional<QString> readAttribute(const QString &path)
{
    const auto bytes = readFileStart(path, maximumAttributeSize);
    if (!bytes)
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(*bytes);
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\0')))
        text.chop(1);
    if (decoder.hasError() || !isText(text) || text.trimmed().isEmpty())
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
