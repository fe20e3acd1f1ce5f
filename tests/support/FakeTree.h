#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A directory tree in a temporary folder standing in for /sys, /proc or /dev;
// removed with the object.
class FakeTree
{
public:
    FakeTree();
    QString root() const { return m_dir.path(); }
    // Writes (or overwrites) one file, creating its folders.
    void write(const QString &relativePath, const QByteArray &content) const;
    // Writes the attributes of one folder, given as "name=value" lines.
    void writeAttributes(const QString &folder, const QByteArray &attributes) const;
    void remove(const QString &relativePath) const;
    void makeUnreadable(const QString &relativePath) const;

private:
    QTemporaryDir m_dir;
};
