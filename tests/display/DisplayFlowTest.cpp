#include "display/DisplayDiagnosticViewModel.h"
#include "machine/RepairPages.h"
#include "support/BatteryMachines.h"
#include "support/FlowSignals.h"
#include "support/GatedBatteryService.h"
#include "support/ManualClock.h"

#include <QKeyEvent>
#include <QTest>
#include <QThreadPool>

using Phase = DisplayDiagnosticViewModel::Phase;

Q_DECLARE_METATYPE(MacBookFamily)

namespace {

void waitForRead()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
}

// Counts the key presses that reach it past the application's filters.
class KeyTarget : public QObject
{
public:
    QList<int> keys;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys << static_cast<QKeyEvent *>(event)->key();
        return QObject::event(event);
    }
};

void press(QObject *target, Qt::Key key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

class DisplayFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void answersWalkThroughTheImages_data()
    {
        QTest::addColumn<SimulatedMachine>("machine");
        QTest::addColumn<MacBookFamily>("family");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QUrl>("repairPage");

        QTest::newRow("Air, nothing seen")
            << BatteryMachines::healthyAir() << MacBookFamily::air << QList<bool>(7, false)
            << QStringLiteral("Alle 7 Testbilder wurden ohne gemeldete Auffälligkeit abgeschlossen.") << QUrl();
        QTest::newRow("Pro, every image") << BatteryMachines::agingPro() << MacBookFamily::pro << QList<bool>(7, true)
                                          << QStringLiteral("Auffällig bei: Weiß, Schwarz, Rot, Grün, Blau, Grau, "
                                                            "Farbverlauf")
                                          << sitePage("/macbook-pro-display-reparatur/");
        // A Mac without a battery cannot name its family.
        QTest::newRow("no battery, only the gradient")
            << BatteryMachines::desktop() << MacBookFamily::unsupported
            << QList<bool> {false, false, false, false, false, false, true}
            << QStringLiteral("Auffällig bei: Farbverlauf") << sitePage("/macbook-display-reparatur/");
    }

    void answersWalkThroughTheImages()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(MacBookFamily, family);
        QFETCH(QList<bool>, answers);
        QFETCH(QString, detail);
        QFETCH(QUrl, repairPage);

        ManualClock clock;
        DisplayDiagnosticViewModel model(makeFakePlatform(machine), clock);
        model.start();
        waitForRead();
        QCOMPARE(model.phase(), Phase::testing);
        QCOMPARE(model.family(), family);
        QCOMPARE(model.sidebarStep(), 2);

        QStringList shown;
        for (int i = 0; i < answers.size(); ++i) {
            QCOMPARE(model.index(), i);
            shown << model.currentPatternName();
            model.answer(answers.at(i));
        }
        QCOMPARE(shown, (QStringList {"Weiß", "Schwarz", "Rot", "Grün", "Blau", "Grau", "Farbverlauf"}));
        QCOMPARE(model.phase(), Phase::result);
        QCOMPARE(model.index(), 6);
        QCOMPARE(model.sidebarStep(), 4);
        QCOMPARE(model.result().verdict, repairPage.isEmpty() ? CustomerVerdict::Good : CustomerVerdict::Problem);
        QCOMPARE(model.result().details, QStringList {detail});
        QCOMPARE(model.result().repairPage, repairPage);

        // Answers after the last image change nothing.
        model.answer(true);
        QCOMPARE(model.result().details, QStringList {detail});

        model.reset();
        QCOMPARE(model.phase(), Phase::start);
        QCOMPARE(model.index(), 0);
        QVERIFY(model.issues().isEmpty());
        QCOMPARE(model.family(), family);
    }

    // A family read that comes back after the user left publishes nothing.
    void leavingDuringTheReadPublishesNothing()
    {
        Platform platform = makeFakePlatform(BatteryMachines::healthyAir());
        const auto gated = std::make_shared<GatedBatteryService>(platform.batteryService);
        platform.batteryService = gated;
        ManualClock clock;
        DisplayDiagnosticViewModel model(platform, clock);
        model.start();
        model.reset();
        FlowSignals published(&model);
        gated->open();
        waitForRead();
        QCOMPARE(published.seen, 0);
        QCOMPARE(model.family(), MacBookFamily::unsupported);
    }

    // Its place and title: display_screens.
    void enlargedImageTakesEscapeAndNothingElse()
    {
        ManualClock clock;
        DisplayDiagnosticViewModel model(makeFakePlatform(BatteryMachines::healthyAir()), clock);
        KeyTarget target;

        model.showPatternWindow(2);
        QVERIFY(model.patternWindowShown());
        // Opening again replaces the window and its filter.
        model.showPatternWindow(6);
        QCOMPARE(model.patternWindowTitle(), QStringLiteral("Quarzlinde Display Test – Farbverlauf"));
        QCOMPARE(model.patternWindowFill().size(), 6);

        press(&target, Qt::Key_A);
        press(&target, Qt::Key_Escape);
        QCOMPARE(target.keys, QList<int> {Qt::Key_A});
        // The window closes on the next turn of the event loop.
        QVERIFY(model.patternWindowShown());
        QCoreApplication::processEvents();
        QVERIFY(!model.patternWindowShown());
        QVERIFY(model.patternWindowTitle().isEmpty());

        // No filter is left behind.
        press(&target, Qt::Key_Escape);
        QCOMPARE(target.keys, (QList<int> {Qt::Key_A, Qt::Key_Escape}));
    }
};

QTEST_MAIN(DisplayFlowTest)
#include "DisplayFlowTest.moc"
