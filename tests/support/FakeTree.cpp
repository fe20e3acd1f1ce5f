#include "support/FakeTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FakeTree::FakeTree() = default;

void FakeTree::write(const QString &relativePath, const QByteArray &content) const
{
    const QString path = QDir(root()).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        qFatal("cannot write fake file %s", qPrintable(path));
}

void FakeTree::writeAttributes(const QString &folder, const QByteArray &attributes) const
{
    for (const QByteArray &line : attributes.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        write(folder + QLatin1Char('/') + QString::fromUtf8(line.left(equals).trimmed()), line.mid(equals + 1) + '\n');
    }
}

void FakeTree::remove(const QString &relativePath) const
{
    QFile::remove(QDir(root()).filePath(relativePath));
}

void FakeTree::makeUnreadable(const QString &relativePath) const
{
    // Root reads through permission bits, so a folder stands in for a file whose read fails.
    const QString path = QDir(root()).filePath(relativePath);
    QFile::remove(path);
    QDir().mkpath(path);
}
