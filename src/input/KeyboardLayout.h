#pragma once

#include <QList>
#include <QString>

// One key of the German MacBook keyboard, named by the Mac's virtual key code
// of its physical position.
struct KeyboardTestKey
{
    quint16 code = 0;
    QString label;
    // In key units; a letter key is 1.
    double width = 1.0;

    bool operator==(const KeyboardTestKey &) const = default;
};

// The five rows, top to bottom, each left to right.
const QList<QList<KeyboardTestKey>> &keyboardRows();
// The rows one after the other: the keys the test asks for.
const QList<KeyboardTestKey> &allTestKeys();
