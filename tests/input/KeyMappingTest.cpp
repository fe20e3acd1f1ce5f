#include "input/KeyboardLayout.h"
#include "input/PhysicalKey.h"

#include <QTest>

namespace {

QString labelOf(std::optional<quint16> code)
{
    if (!code)
        return QStringLiteral("(none)");
    for (const KeyboardTestKey &key : allTestKeys()) {
        if (key.code == *code)
            return key.label;
    }
    return QStringLiteral("outside %1").arg(*code);
}

QString labelPosition(int index)
{
    return QStringLiteral("%1 #%2").arg(allTestKeys().at(index).label).arg(index);
}

} // namespace

class KeyMappingTest : public QObject
{
    Q_OBJECT

private slots:
    // X keycodes as the X server of a PC-105 keyboard reports them (evdev + 8).
    void xkbKeycodesLightTheKeyAtTheirPosition_data()
    {
        QTest::addColumn<quint32>("keycode");
        QTest::addColumn<QString>("label");

        QTest::newRow("Escape") << 9u << QStringLiteral("esc");
        QTest::newRow("left of 1") << 49u << QStringLiteral("^");
        QTest::newRow("US Y is the German Z") << 29u << QStringLiteral("Z");
        QTest::newRow("US Z is the German Y") << 52u << QStringLiteral("Y");
        QTest::newRow("ISO key left of Y") << 94u << QStringLiteral("< >");
        QTest::newRow("US semicolon is Ö") << 47u << QStringLiteral("Ö");
        QTest::newRow("ISO hash key") << 51u << QStringLiteral("#");
        QTest::newRow("Caps Lock") << 66u << QStringLiteral("⇪");
        QTest::newRow("left Shift") << 50u << QStringLiteral("⇧");
        QTest::newRow("left Alt is Option") << 64u << QStringLiteral("⌥");
        QTest::newRow("left Super is Command") << 133u << QStringLiteral("⌘");
        QTest::newRow("F1 is outside the layout") << 67u << QStringLiteral("outside 122");
        QTest::newRow("keypad 1 is unknown") << 87u << QStringLiteral("(none)");
        QTest::newRow("below the offset") << 3u << QStringLiteral("(none)");
    }

    void xkbKeycodesLightTheKeyAtTheirPosition()
    {
        QFETCH(quint32, keycode);
        QFETCH(QString, label);
        QCOMPARE(labelOf(macKeyCodeForXkbKeycode(keycode)), label);
    }

    void everyLayoutKeyHasExactlyOneXkbKeycode()
    {
        QHash<quint16, int> reached;
        for (quint32 keycode = 0; keycode < 256; ++keycode) {
            if (const auto code = macKeyCodeForXkbKeycode(keycode))
                ++reached[*code];
        }
        for (int i = 0; i < allTestKeys().size(); ++i)
            QVERIFY2(reached.value(allTestKeys().at(i).code) == 1, qPrintable(labelPosition(i)));
        // The two shift keys and the two command keys are told apart.
        QCOMPARE(labelOf(macKeyCodeForXkbKeycode(62)), QStringLiteral("⇧"));
        QCOMPARE(macKeyCodeForXkbKeycode(62), std::optional<quint16>(60));
        QCOMPARE(macKeyCodeForXkbKeycode(134), std::optional<quint16>(54));
    }

    void eventsCarryTheirPlatformsCode_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<quint32>("scanCode");
        QTest::addColumn<quint32>("virtualKey");
        QTest::addColumn<int>("code");

        const int mac = int(KeySource::macVirtualKey);
        const int xkb = int(KeySource::xkbKeycode);
        // A Mac key event carries 1 as its scan code and the key code beside it.
        QTest::newRow("Mac, A") << mac << 1u << 0u << 0;
        QTest::newRow("Mac, right shift") << mac << 1u << 60u << 60;
        QTest::newRow("Mac, Fn is outside") << mac << 1u << 63u << 63;
        QTest::newRow("Mac, made up by software") << mac << 0u << 0u << -1;
        // The character a layout gives does not matter, only the position.
        QTest::newRow("X11, Z position with any keysym") << xkb << 29u << 0x7au << 16;
        QTest::newRow("X11, no scan code") << xkb << 0u << 0x61u << -1;
    }

    void eventsCarryTheirPlatformsCode()
    {
        QFETCH(int, source);
        QFETCH(quint32, scanCode);
        QFETCH(quint32, virtualKey);
        QFETCH(int, code);

        const QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, scanCode, virtualKey, 0);
        const auto found = physicalKeyCode(event, static_cast<KeySource>(source));
        QCOMPARE(found ? int(*found) : -1, code);
    }
};

QTEST_MAIN(KeyMappingTest)
#include "KeyMappingTest.moc"
