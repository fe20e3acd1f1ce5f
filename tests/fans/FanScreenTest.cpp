#include "fans/FanDiagnosticViewModel.h"
#include "machine/RepairPages.h"
#include "support/FanMachines.h"
#include "support/GatedSleeper.h"
#include "support/qml/AddressCatcher.h"
#include "support/qml/ScreenHarness.h"

#include <QTest>
#include <QThreadPool>

using namespace std::chrono_literals;

namespace {

void finishCheck(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_fans"));
    QVERIFY(harness.advanceUntil([&harness] { return harness.shell().fanModel()->phaseName() == "result"; }));
    harness.advance(400ms);
}

void expectHeader(ScreenHarness &harness, const char *eyebrow, const char *title, const char *subtitle)
{
    QCOMPARE(harness.text(QStringLiteral("headerEyebrow")), QString::fromUtf8(eyebrow));
    QCOMPARE(harness.text(QStringLiteral("headerTitle")), QString::fromUtf8(title));
    QCOMPARE(harness.text(QStringLiteral("headerSubtitle")), QString::fromUtf8(subtitle));
}

} // namespace

class FanScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Two checks may wait in their pauses at once.
        QThreadPool::globalInstance()->setMaxThreadCount(4);
    }

    // The texts themselves are the check's (fan_check); here, that the screen shows them.
    void resultShowsTheVerdict_data()
    {
        QTest::addColumn<SimulatedMachine>("machine");
        QTest::addColumn<bool>("cleaning");
        QTest::newRow("two fans, idle") << FanMachines::twoFanPro() << false;
        QTest::newRow("two fans standing, hot") << FanMachines::stalledTwoFanPro() << true;
    }

    void resultShowsTheVerdict()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(bool, cleaning);

        ScreenHarness harness(machine);
        finishCheck(harness);
        const FanDiagnosticResult result = qobject_cast<FanDiagnosticViewModel *>(harness.shell().fanModel())->result();
        QCOMPARE(harness.shell().currentStep(), 4);
        expectHeader(harness, "ERGEBNIS", "Lüfter & Kühlung",
                     "Bei lüfterlosen MacBooks ist es normal, dass keine Lüfterdrehzahl vorhanden ist.");
        QCOMPARE(harness.text(QStringLiteral("resultCardTitle")), result.title);
        QCOMPARE(harness.text(QStringLiteral("resultCardText")), result.explanation);
        QCOMPARE(harness.texts(QStringLiteral("resultCardDetail")), result.details());
        QCOMPARE(harness.isShown(QStringLiteral("fanCleaningLink")), cleaning);
        if (cleaning) {
            AddressCatcher browser;
            harness.press(QStringLiteral("fanCleaningLink"));
            QCOMPARE(browser.opened, QList<QUrl> {RepairPages::cleaning()});
            QCOMPARE(harness.shell().routeName(), QStringLiteral("fans"));
        }

        harness.press(QStringLiteral("moduleBackButton"));
        QCOMPARE(harness.shell().routeName(), QStringLiteral("selection"));
    }

    // The check waits in its temperature pause while the screens are looked at.
    void startAndRunningSections()
    {
        ScreenHarness harness(FanMachines::fanlessAir());
        const auto sleeper = std::make_shared<GatedSleeper>();
        harness.shell().registerModule(
            DiagnosisModule::fans,
            new FanDiagnosticViewModel(makeFakePlatform(FanMachines::twoFanPro()), harness.clock(), sleeper),
            QStringLiteral("FanIntegratedModuleView.qml"));

        harness.press(QStringLiteral("moduleCard_fans"));
        QTRY_COMPARE(sleeper->pausesBegun(), 1);
        QCOMPARE(harness.shell().currentStep(), 3);
        expectHeader(harness, "PRÜFUNG LÄUFT", "Kühlsystem wird geprüft",
                     "Lüfter und Temperatur werden gemeinsam betrachtet.");
        QCOMPARE(harness.find(QStringLiteral("moduleProgress"))->property("value").toDouble(), 0.18);
        QCOMPARE(harness.shell().fanModel()->progressText(), QStringLiteral("Lüfter werden gesucht …"));

        harness.shell().fanModel()->reset();
        harness.advance(100ms);
        QCOMPARE(harness.shell().currentStep(), 2);
        expectHeader(harness, "LÜFTER CHECK", "Lüfter & Kühlung prüfen",
                     "Liest vorhandene Lüfterdrehzahlen aus und betrachtet sie zusammen mit der aktuellen "
                     "Temperatur. Lüfter werden nicht gesteuert oder verändert.");
        QCOMPARE(harness.find(QStringLiteral("moduleStartButton"))->property("title").toString(),
                 QStringLiteral("Lüfter Check starten"));

        harness.press(QStringLiteral("moduleStartButton"));
        QTRY_COMPARE(sleeper->pausesBegun(), 2);
        sleeper->end(0);
        sleeper->end(1);
        QVERIFY(harness.advanceUntil([&harness] { return harness.shell().fanModel()->phaseName() == "result"; }));
        QCOMPARE(harness.text(QStringLiteral("resultCardTitle")), QStringLiteral("Lüfter & Kühlung unauffällig"));
    }
};

QTEST_MAIN(FanScreenTest)
#include "FanScreenTest.moc"
