#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <cstdint>

// Pieces of one fuzz input, separated by the byte 0x1e, so one input can feed
// several readers and seeds stay readable text.
QList<QByteArrayView> inputPieces(QByteArrayView data, int count);

// A value tree as registries and tool dictionaries hold them. JSON decodes
// with integers as qint64, other numbers as double and "data:..." strings as
// bytes, so the fixtures' dictionaries serve as seeds; anything else decodes
// byte by byte, which lets the mutator reach every value type. Map keys are
// mostly taken from the given names, which readers look up.
QVariant variantTree(QByteArrayView data, const QStringList &names);

// A fake root file system filled from "path=content" records separated by
// 0x1e. A content "->other/path" makes a symbolic link to that path in the
// tree, "<fifo>" a named pipe; nothing ever leaves the tree.
class FuzzTree
{
public:
    FuzzTree();
    QString root() const { return m_root; }
    // Empties the tree and fills it from the records.
    void fill(QByteArrayView records);

private:
    QTemporaryDir m_dir;
    QString m_root;
};
