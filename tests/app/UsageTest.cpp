#include "support/BatteryMachines.h"
#include "support/SystemMachines.h"
#include "support/qml/ScreenHarness.h"

#include <QTest>

using namespace std::chrono_literals;

// What using the real window showed: focus, quick clicks, the window's place,
// the catalogue's fit, confirmations and addresses no program took.
class UsageTest : public QObject
{
    Q_OBJECT

private slots:
    void keysAfterAResultNeverRestartTheCheck()
    {
        ScreenHarness harness(BatteryMachines::healthyAir());
        QQuickItem *card = harness.find(QStringLiteral("moduleCard_battery"));
        harness.click(QStringLiteral("moduleCard_battery"));
        const QQuickItem *screen = harness.find(QStringLiteral("moduleScreen"));
        const QQuickItem *focused = harness.window()->activeFocusItem();
        QVERIFY(focused == screen || screen->isAncestorOf(focused));
        harness.waitForReader();
        harness.advance(1500ms);
        QCOMPARE(harness.shell().batteryModel()->phaseName(), QStringLiteral("result"));

        QTest::keyClick(harness.window(), Qt::Key_Space);
        QTest::keyClick(harness.window(), Qt::Key_Return);
        harness.advance(10ms);
        QCOMPARE(harness.shell().batteryModel()->phaseName(), QStringLiteral("result"));

        harness.press(QStringLiteral("resultBackButton"));
        QVERIFY(card->hasActiveFocus());
    }

    void aSecondQuickClickStartsNothing()
    {
        ScreenHarness harness(SystemMachines::coolAir());
        const QQuickItem *systemCard = harness.find(QStringLiteral("moduleCard_system"));
        const QPointF systemCentre = systemCard->mapToScene({systemCard->width() / 2, systemCard->height() / 2});
        harness.click(QStringLiteral("moduleCard_battery"));
        QTest::mouseClick(harness.window(), Qt::LeftButton, {}, systemCentre.toPoint());
        QCOMPARE(harness.shell().routeName(), QStringLiteral("battery"));
        QCOMPARE(harness.shell().systemModel()->phaseName(), QStringLiteral("start"));
        QVERIFY(!harness.find(QStringLiteral("heroSymbol"))->property("animate").toBool());
    }

    void windowStaysWhereTheUserPutsIt()
    {
        ScreenHarness harness(BatteryMachines::healthyAir());
        harness.window()->setPosition(37, 41);
        harness.window()->resize(1300, 900);
        QTest::qWait(20);
        QCOMPARE(harness.window()->position(), QPoint(37, 41));
    }

    void catalogueFitsOrPlainlyScrolls_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("allCardsShown");
        QTest::newRow("default size") << QSize(1180, 805) << true;
        QTest::newRow("minimum size") << QSize(1060, 700) << false;
    }

    void catalogueFitsOrPlainlyScrolls()
    {
        QFETCH(QSize, size);
        QFETCH(bool, allCardsShown);
        ScreenHarness harness(BatteryMachines::healthyAir(), size);
        const QQuickItem *last = harness.find(QStringLiteral("moduleCard_storage"));
        const QQuickItem *bar = harness.find(QStringLiteral("catalogueScrollBar"));
        const QQuickItem *catalogue = bar->parentItem();
        const qreal bottom = last->mapToItem(catalogue, {0, last->height()}).y();
        QCOMPARE(bottom <= catalogue->height(), allCardsShown);
        // Where a card is cut off, the scroll bar stays in sight.
        QCOMPARE(bar->property("policy").toInt() == Qt::ScrollBarAlwaysOn, !allCardsShown);
    }

    void copyingConfirmsAndAnEmptySensorListSaysSo()
    {
        ScreenHarness harness(SystemMachines::withoutSmc());
        harness.press(QStringLiteral("moduleCard_system"));
        QVERIFY(harness.advanceUntil([&harness] { return harness.shell().systemModel()->phaseName() == "result"; }));
        harness.advance(400ms);

        harness.press(QStringLiteral("sensorListToggle"));
        QVERIFY(harness.isShown(QStringLiteral("noSensorsNote")));
        QCOMPARE(harness.text(QStringLiteral("noSensorsNote")),
                 QStringLiteral("Auf diesem Mac wurden keine auslesbaren Temperatursensoren gefunden."));
        harness.press(QStringLiteral("copySensorsButton"));
        QCOMPARE(harness.find(QStringLiteral("copySensorsButton"))->property("title").toString(),
                 QStringLiteral("In die Zwischenablage kopiert"));
        QTRY_COMPARE(harness.find(QStringLiteral("copySensorsButton"))->property("title").toString(),
                     QStringLiteral("Sensordaten kopieren"));
    }

    void aLinkNoProgramTakesShowsItsAddress()
    {
        ScreenHarness harness(BatteryMachines::healthyAir());
        QVERIFY(!harness.isShown(QStringLiteral("addressNotice")));
        // Offscreen, no program opens web addresses.
        harness.press(QStringLiteral("siteLinkButton"));
        QVERIFY(harness.isShown(QStringLiteral("addressNotice")));
        QCOMPARE(harness.text(QStringLiteral("failedAddress")), QStringLiteral("https://www.quarzlinde.de"));
    }
};

QTEST_MAIN(UsageTest)
#include "UsageTest.moc"
