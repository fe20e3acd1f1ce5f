#include "machine/RepairPages.h"
#include "support/BatteryMachines.h"
#include "support/qml/AddressCatcher.h"
#include "support/qml/ScreenHarness.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTest>

using namespace std::chrono_literals;

namespace {

void startCheck(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_display"));
    harness.waitForReader();
    harness.advance(400ms);
}

QList<QQuickWindow *> patternWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QQuickWindow *> shown;
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window->objectName() == QLatin1String("patternWindow") && window->isVisible())
            shown << qobject_cast<QQuickWindow *>(window);
    }
    return shown;
}

QQuickItem *findIn(QQuickWindow *window, const QString &objectName)
{
    const QList<QQuickItem *> items = window->findChildren<QQuickItem *>(objectName);
    return items.isEmpty() ? nullptr : items.constFirst();
}

void clickButtonIn(QQuickItem *item)
{
    QVERIFY(item);
    QQuickItem *button = item->inherits("QQuickAbstractButton") ? item : nullptr;
    for (QQuickItem *child : item->findChildren<QQuickItem *>()) {
        if (!button && child->inherits("QQuickAbstractButton"))
            button = child;
    }
    QVERIFY(button);
    QMetaObject::invokeMethod(button, "clicked");
}

} // namespace

class DisplayScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void answersLeadToTheResult()
    {
        const QList<bool> answers {false, true, false, false, true, false, false};
        AddressCatcher browser;
        ScreenHarness harness(BatteryMachines::agingPro());
        startCheck(harness);
        const QStringList names {"Weiß", "Schwarz", "Rot", "Grün", "Blau", "Grau", "Farbverlauf"};
        for (int i = 0; i < answers.size(); ++i) {
            QCOMPARE(harness.text(QStringLiteral("headerEyebrow")), QStringLiteral("TEST %1 VON 7").arg(i + 1));
            QCOMPARE(harness.text(QStringLiteral("headerTitle")), QStringLiteral("Testbild: ") + names.at(i));
            QCOMPARE(harness.find(QStringLiteral("patternProgress"))->property("value").toDouble(), (i + 1) / 7.0);
            harness.press(answers.at(i) ? QStringLiteral("answerIssue") : QStringLiteral("answerNoIssue"));
        }
        harness.advance(400ms);
        QCOMPARE(harness.shell().currentStep(), 4);
        QCOMPARE(harness.text(QStringLiteral("headerEyebrow")), QStringLiteral("ERGEBNIS"));
        QCOMPARE(harness.text(QStringLiteral("headerTitle")), QStringLiteral("Display Check abgeschlossen"));
        QCOMPARE(harness.text(QStringLiteral("resultCardTitle")), QStringLiteral("Display auffällig"));
        QCOMPARE(harness.texts(QStringLiteral("resultCardDetail")), QStringList {"Auffällig bei: Schwarz, Blau"});
        harness.press(QStringLiteral("displayRepairLink"));
        QCOMPARE(browser.opened, QList<QUrl> {displayRepairURL(MacBookFamily::pro)});
        harness.press(QStringLiteral("moduleBackButton"));
        QCOMPARE(harness.shell().routeName(), QStringLiteral("selection"));
    }

    void enlargedImageOpensClosesWithEscapeAndOpensAgain()
    {
        ScreenHarness harness(BatteryMachines::healthyAir());
        startCheck(harness);
        harness.press(QStringLiteral("answerNoIssue"));
        harness.press(QStringLiteral("enlargePatternButton"));
        QCOMPARE(patternWindows().size(), 1);
        QQuickWindow *window = patternWindows().constFirst();
        QCOMPARE(window->title(), QStringLiteral("Quarzlinde Display Test – Schwarz"));
        QCOMPARE(window->geometry(), harness.window()->screen()->availableGeometry().adjusted(14, 14, -14, -14));
        QCOMPARE(findIn(window, QStringLiteral("closePatternCaption"))->property("text").toString(),
                 QStringLiteral("Esc schließt das Testbild ebenfalls."));

        QTest::keyClick(window, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(patternWindows().isEmpty());

        // Twice in a row still leaves one window; its own button closes it.
        harness.press(QStringLiteral("enlargePatternButton"));
        harness.press(QStringLiteral("enlargePatternButton"));
        QCOMPARE(patternWindows().size(), 1);
        clickButtonIn(findIn(patternWindows().constFirst(), QStringLiteral("closePatternButton")));
        QVERIFY(patternWindows().isEmpty());

        // Leaving the module takes an open window along.
        harness.press(QStringLiteral("enlargePatternButton"));
        QCOMPARE(patternWindows().size(), 1);
        harness.shell().back();
        QCoreApplication::processEvents();
        QVERIFY(patternWindows().isEmpty());
    }
};

QTEST_MAIN(DisplayScreenTest)
#include "DisplayScreenTest.moc"
