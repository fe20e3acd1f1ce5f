#include "input/InputDiagnosticViewModel.h"
#include "machine/RepairPages.h"
#include "support/BatteryMachines.h"
#include "support/qml/AddressCatcher.h"
#include "support/qml/ScreenHarness.h"

#include <QNativeGestureEvent>
#include <QTest>
#include <QtGui/qtestsupport_gui.h>

using namespace std::chrono_literals;

// A key as the X server reports it: evdev code + 8.
struct Key
{
    Qt::Key key;
    quint32 scanCode;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
Q_DECLARE_METATYPE(Key)

namespace {

InputDiagnosticViewModel *startTest(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_input"));
    harness.waitForReader();
    harness.advance(400ms);
    return qobject_cast<InputDiagnosticViewModel *>(harness.shell().inputModel());
}

// As the X server hands a key to the window: press, then release.
void type(ScreenHarness &harness, const Key &key)
{
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key.key, key.modifiers, key.scanCode, 0, 0);
        QCoreApplication::sendEvent(harness.window(), &event);
    }
}

QPointF centreOf(ScreenHarness &harness, const QString &objectName)
{
    QQuickItem *item = harness.find(objectName);
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
}

void zoom(ScreenHarness &harness, qreal value)
{
    static const QPointingDevice *touchpad = QTest::createTouchDevice(QInputDevice::DeviceType::TouchPad);
    const QPointF at = centreOf(harness, QStringLiteral("inputCaptureArea"));
    QNativeGestureEvent event(Qt::ZoomNativeGesture, touchpad, 2, at, at, harness.window()->mapToGlobal(at), value,
                              QPointF());
    QCoreApplication::sendEvent(harness.window(), &event);
}

void wheel(ScreenHarness &harness, QPoint pixels, QPoint angle)
{
    const QPointF at = centreOf(harness, QStringLiteral("inputCaptureArea"));
    QWheelEvent event(at, harness.window()->mapToGlobal(at), pixels, angle, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(harness.window(), &event);
}

} // namespace

class InputScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void keysLightByPosition_data()
    {
        QTest::addColumn<QList<Key>>("keys");
        QTest::addColumn<QList<int>>("lit");
        QTest::addColumn<QString>("counter");

        QTest::newRow("left shift and right command")
            << QList<Key> {{Qt::Key_Shift, 50}, {Qt::Key_Meta, 134}} << QList<int> {56, 54} << QStringLiteral("2 / 65");
        // Which position a keycode names: input_keys.
        QTest::newRow("twice is once") << QList<Key> {{Qt::Key_A, 38}, {Qt::Key_A, 38}} << QList<int> {0}
                                       << QStringLiteral("1 / 65");
    }

    void keysLightByPosition()
    {
        QFETCH(QList<Key>, keys);
        QFETCH(QList<int>, lit);
        QFETCH(QString, counter);

        ScreenHarness harness(BatteryMachines::healthyAir());
        startTest(harness);
        for (const Key &key : keys)
            type(harness, key);
        QCOMPARE(harness.text(QStringLiteral("keyCounter")), counter);
        QList<int> shownLit;
        QList<QQuickItem *> pending {harness.window()->contentItem()};
        while (!pending.isEmpty()) {
            QQuickItem *item = pending.takeFirst();
            if (item->objectName().startsWith(QLatin1String("key_")) && item->property("isPressed").toBool())
                shownLit << item->objectName().mid(4).toInt();
            pending += item->childItems();
        }
        std::sort(shownLit.begin(), shownLit.end());
        std::sort(lit.begin(), lit.end());
        QCOMPARE(shownLit, lit);
    }

    void keysReachNothingElse()
    {
        ScreenHarness harness(BatteryMachines::healthyAir());
        InputDiagnosticViewModel *model = startTest(harness);
        // Even with the focus on the way back, keys go to the test.
        harness.find(QStringLiteral("finishInputButton"))->forceActiveFocus();
        for (const Key &key : {Key {Qt::Key_Tab, 23}, Key {Qt::Key_Space, 65}, Key {Qt::Key_Return, 36},
                               Key {Qt::Key_Escape, 9}, Key {Qt::Key_Q, 24, Qt::ControlModifier}}) {
            type(harness, key);
            QCoreApplication::processEvents();
        }
        QCOMPARE(model->phaseName(), QStringLiteral("testing"));
        QCOMPARE(harness.shell().routeName(), QStringLiteral("input"));
        QCOMPARE(model->pressedKeyCodes(), (QSet<quint16> {48, 49, 36, 53, 12}));

        // Caps Lock may be reported on release only, as when it is switched off.
        QKeyEvent capsOff(QEvent::KeyRelease, Qt::Key_CapsLock, Qt::NoModifier, 66, 0, 0);
        QCoreApplication::sendEvent(harness.window(), &capsOff);
        QVERIFY(model->pressedKeyCodes().contains(57));

        // A click on the field takes the focus back, and shortcuts stay with it.
        harness.click(QStringLiteral("inputCaptureArea"));
        QVERIFY(harness.find(QStringLiteral("inputCaptureArea"))->hasActiveFocus());
        QKeyEvent quit(QEvent::ShortcutOverride, Qt::Key_Q, Qt::ControlModifier, 24, 0, 0);
        quit.ignore();
        QCoreApplication::sendEvent(harness.window()->focusObject(), &quit);
        QVERIFY(quit.isAccepted());
    }

    void trackpadActionsInStepOrder()
    {
        ScreenHarness harness(BatteryMachines::healthyAir());
        InputDiagnosticViewModel *model = startTest(harness);
        const auto title = [&] { return harness.text(QStringLiteral("trackpadStepTitle")); };
        QCOMPARE(title(), QStringLiteral("Zeiger bewegen"));
        QCOMPARE(harness.text(QStringLiteral("trackpadStepInstruction")),
                 QStringLiteral("Bewege einen Finger über das Trackpad."));

        // Out of order: the field still asks for the first missing action.
        zoom(harness, 0.002);
        QVERIFY(!model->trackpad().magnified);
        zoom(harness, -0.0021);
        QVERIFY(model->trackpad().magnified);
        QCOMPARE(title(), QStringLiteral("Zeiger bewegen"));

        QTest::mouseMove(harness.window(), QPoint(30, 30));
        QTest::mouseMove(harness.window(), QPoint(40, 36));
        QCOMPARE(title(), QStringLiteral("Einmal klicken"));
        const QPoint field = centreOf(harness, QStringLiteral("inputCaptureArea")).toPoint();
        QTest::mouseClick(harness.window(), Qt::LeftButton, {}, field);
        QCOMPARE(title(), QStringLiteral("Sekundärklick"));
        QTest::mouseClick(harness.window(), Qt::RightButton, {}, field);
        QCOMPARE(title(), QStringLiteral("Mit zwei Fingern scrollen"));
        wheel(harness, QPoint(), QPoint());
        QVERIFY(!model->trackpad().scrolled);
        wheel(harness, QPoint(0, -3), QPoint(0, -24));
        QCOMPARE(title(), QStringLiteral("Trackpad vollständig geprüft"));
        QCOMPARE(harness.text(QStringLiteral("trackpadStepInstruction")),
                 QStringLiteral("Alle vorgesehenen Trackpad-Aktionen wurden erkannt."));
        QCOMPARE(model->phaseName(), QStringLiteral("testing"));
    }

    void resultOffersTheMissingPages()
    {
        AddressCatcher browser;
        SimulatedMachine twelveInch = BatteryMachines::healthyAir();
        twelveInch.hwModel = QStringLiteral("MacBook10,1");
        ScreenHarness harness(twelveInch);
        InputDiagnosticViewModel *model = startTest(harness);
        type(harness, {Qt::Key_Shift, 50});
        wheel(harness, QPoint(), QPoint(0, 120));
        harness.press(QStringLiteral("finishInputButton"));
        harness.advance(400ms);

        QCOMPARE(harness.shell().currentStep(), 4);
        QCOMPARE(harness.text(QStringLiteral("headerTitle")), QStringLiteral("Tastatur & Trackpad"));
        QCOMPARE(harness.text(QStringLiteral("resultCardTitle")), QStringLiteral("Nicht alle Eingaben bestätigt"));
        QCOMPARE(harness.texts(QStringLiteral("resultCardDetail")),
                 (QStringList {QStringLiteral("Tastatur: 1 von 65 Prüftasten erkannt"),
                               QStringLiteral("Trackpad: Bewegung –, Klick –, Sekundärklick –, Scrollen ✓, Zoom –")}));
        harness.press(QStringLiteral("keyboardRepairLink"));
        harness.press(QStringLiteral("trackpadRepairLink"));
        QCOMPARE(browser.opened,
                 (QList<QUrl> {sitePage("/macbook-12-tastatur-topcase-reparatur/"),
                               sitePage("/macbook-12-zoll-trackpad-reparatur/")}));
        harness.press(QStringLiteral("moduleBackButton"));
        QCOMPARE(harness.shell().routeName(), QStringLiteral("selection"));
        QVERIFY(model->pressedKeyCodes().isEmpty());
        QVERIFY(!model->hasResult());
    }
};

QTEST_MAIN(InputScreenTest)
#include "InputScreenTest.moc"
