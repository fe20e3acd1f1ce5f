#include "input/KeyboardLayout.h"

namespace {

KeyboardTestKey key(const char *label, quint16 code, double width = 1.0)
{
    return {code, QString::fromUtf8(label), width};
}

} // namespace

const QList<QList<KeyboardTestKey>> &keyboardRows()
{
    static const QList<QList<KeyboardTestKey>> rows {
        {key("esc", 53, 1.15), key("^", 50), key("1", 18), key("2", 19), key("3", 20), key("4", 21), key("5", 23),
         key("6", 22), key("7", 26), key("8", 28), key("9", 25), key("0", 29), key("ß", 27), key("´", 24),
         key("⌫", 51, 1.55)},
        {key("Tab", 48, 1.45), key("Q", 12), key("W", 13), key("E", 14), key("R", 15), key("T", 17), key("Z", 16),
         key("U", 32), key("I", 34), key("O", 31), key("P", 35), key("Ü", 33), key("+", 30), key("#", 42),
         key("↩", 36, 1.55)},
        {key("⇪", 57, 1.65), key("A", 0), key("S", 1), key("D", 2), key("F", 3), key("G", 5), key("H", 4), key("J", 38),
         key("K", 40), key("L", 37), key("Ö", 41), key("Ä", 39)},
        {key("⇧", 56, 1.6), key("< >", 10), key("Y", 6), key("X", 7), key("C", 8), key("V", 9), key("B", 11),
         key("N", 45), key("M", 46), key(",", 43), key(".", 47), key("-", 44), key("⇧", 60, 1.8)},
        {key("ctrl", 59, 1.2), key("⌥", 58, 1.2), key("⌘", 55, 1.3), key("Leertaste", 49, 5.2), key("⌘", 54, 1.3),
         key("⌥", 61, 1.2), key("←", 123), key("↓", 125), key("↑", 126), key("→", 124)},
    };
    return rows;
}

const QList<KeyboardTestKey> &allTestKeys()
{
    static const QList<KeyboardTestKey> keys = [] {
        QList<KeyboardTestKey> all;
        for (const QList<KeyboardTestKey> &row : keyboardRows())
            all += row;
        return all;
    }();
    return keys;
}
