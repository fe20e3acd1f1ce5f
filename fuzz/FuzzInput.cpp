#include "FuzzInput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstring>

QList<QByteArrayView> inputPieces(QByteArrayView data, int count)
{
    QList<QByteArrayView> pieces;
    while (pieces.size() < count - 1) {
        const qsizetype cut = data.indexOf('\x1e');
        if (cut < 0)
            break;
        pieces.append(data.first(cut));
        data = data.sliced(cut + 1);
    }
    pieces.append(data);
    while (pieces.size() < count)
        pieces.append(QByteArrayView());
    return pieces;
}

namespace {

QVariant fromJson(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool: return value.toBool();
    case QJsonValue::Double: {
        const double number = value.toDouble();
        if (number > -9.2e18 && number < 9.2e18 && number == double(qint64(number)))
            return qint64(number);
        return number;
    }
    case QJsonValue::String: {
        const QString text = value.toString();
        if (text.startsWith(QLatin1String("data:")))
            return text.mid(5).toUtf8();
        return text;
    }
    case QJsonValue::Array: {
        QVariantList list;
        for (const QJsonValue &element : value.toArray())
            list.append(fromJson(element));
        return list;
    }
    case QJsonValue::Object: {
        QVariantMap map;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            map.insert(it.key(), fromJson(it.value()));
        return map;
    }
    default: return QVariant();
    }
}

class ByteReader
{
public:
    ByteReader(QByteArrayView data, const QStringList &names)
        : m_data(data)
        , m_names(names)
    {
    }

    QVariant value(int depth)
    {
        switch (byte() % 13) {
        case 0: return QVariant();
        case 1: return bool(byte() & 1);
        case 2: return number<qint32>();
        case 3: return number<qint64>();
        case 4: return number<quint64>();
        case 5: return number<double>();
        case 6: return number<float>();
        case 7: return number<quint32>();
        case 8: return number<qint16>();
        case 9: return QString::fromUtf8(bytes());
        case 10: return bytes();
        case 11: {
            QVariantList list;
            for (int count = depth < 6 ? byte() % 6 : 0; count > 0; --count)
                list.append(value(depth + 1));
            return list;
        }
        default: {
            QVariantMap map;
            for (int count = depth < 6 ? byte() % 8 : 0; count > 0; --count) {
                const QString key = name();
                map.insert(key, value(depth + 1));
            }
            return map;
        }
        }
    }

private:
    std::uint8_t byte()
    {
        if (m_data.isEmpty())
            return 0;
        const auto first = std::uint8_t(m_data.front());
        m_data = m_data.sliced(1);
        return first;
    }

    template<typename Number>
    Number number()
    {
        Number result {};
        const qsizetype size = std::min<qsizetype>(sizeof result, m_data.size());
        std::memcpy(&result, m_data.data(), size_t(size));
        m_data = m_data.sliced(size);
        return result;
    }

    QByteArray bytes()
    {
        const qsizetype size = std::min<qsizetype>(byte() % 64, m_data.size());
        const QByteArray result = m_data.first(size).toByteArray();
        m_data = m_data.sliced(size);
        return result;
    }

    QString name()
    {
        const std::uint8_t choice = byte();
        if (choice < m_names.size())
            return m_names.at(choice);
        return QString::fromUtf8(bytes());
    }

    QByteArrayView m_data;
    const QStringList &m_names;
};

// Only plain names, and never a way out of the tree.
QString safeRelativePath(QByteArrayView path)
{
    QStringList parts;
    for (const QByteArray &part : path.toByteArray().split('/')) {
        if (part.isEmpty() || part == "." || part == "..")
            continue;
        QString clean;
        for (const char c : part) {
            if (std::isalnum(static_cast<unsigned char>(c)) || (c != 0 && std::strchr("_.,:+-@ ", c)))
                clean.append(QLatin1Char(c));
        }
        if (!clean.isEmpty())
            parts.append(clean.left(40));
    }
    return parts.mid(0, 10).join(QLatin1Char('/'));
}

} // namespace

QVariant variantTree(QByteArrayView data, const QStringList &names)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(data.toByteArray(), &error);
    if (error.error == QJsonParseError::NoError) {
        return json.isObject() ? fromJson(json.object()) : fromJson(json.array());
    }
    return ByteReader(data, names).value(0);
}

FuzzTree::FuzzTree()
    : m_dir((QFileInfo(QStringLiteral("/dev/shm")).isDir() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
            QStringLiteral("/fuzz-tree-XXXXXX"))
    , m_root(m_dir.path() + QStringLiteral("/root"))
{
}

void FuzzTree::fill(QByteArrayView records)
{
    QDir(m_root).removeRecursively();
    QDir().mkpath(m_root);
    int count = 0;
    for (QByteArrayView record : inputPieces(records, 64)) {
        const qsizetype equals = record.indexOf('=');
        if (equals < 0 || ++count > 40)
            continue;
        const QString relative = safeRelativePath(record.first(equals));
        if (relative.isEmpty())
            continue;
        const QByteArrayView content = record.sliced(equals + 1);
        const QString path = m_root + QLatin1Char('/') + relative;
        QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
        const QByteArray name = QFile::encodeName(path);
        if (content.startsWith("->")) {
            const QString target = m_root + QLatin1Char('/') + safeRelativePath(content.sliced(2));
            (void)::symlink(QFile::encodeName(target).constData(), name.constData());
        } else if (content == "<fifo>") {
            (void)::mkfifo(name.constData(), 0644);
        } else {
            // An earlier record may have made this name a pipe, which a
            // blocking open would wait on for ever.
            const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOFOLLOW, 0644);
            if (fd >= 0) {
                (void)::write(fd, content.data(), std::size_t(content.size()));
                ::close(fd);
            }
        }
    }
}
