#include "support/SystemMachines.h"
#include "support/qml/ScreenHarness.h"

#include <QColor>
#include <QTest>

using namespace std::chrono_literals;

namespace {

void runSystemCheck(ScreenHarness &harness)
{
    QVERIFY(harness.advanceUntil([&harness] { return harness.shell().systemModel()->phaseName() == "result"; }));
    harness.advance(400ms);
}

void finishSystemCheck(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_system"));
    runSystemCheck(harness);
}

QString childText(ScreenHarness &harness, const char *parent, const char *child)
{
    QQuickItem *item = harness.find(QString::fromLatin1(parent));
    QQuickItem *inner = item ? item->findChild<QQuickItem *>(QString::fromLatin1(child)) : nullptr;
    return inner ? inner->property("text").toString() : QStringLiteral("<missing %1>").arg(QLatin1String(child));
}

QStringList miniCardValues(ScreenHarness &harness)
{
    QStringList values;
    for (const char *card : {"miniCard0", "miniCard1", "miniCard2", "miniCard3"})
        values << childText(harness, card, "miniCardValue");
    return values;
}

} // namespace

class SystemScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void coolMacShowsQuietResult()
    {
        ScreenHarness harness(SystemMachines::coolAir());
        harness.press(QStringLiteral("moduleCard_system"));
        QCOMPARE(harness.shell().currentStep(), 2);
        QVERIFY(harness.isShown(QStringLiteral("checkingProgressText")));
        runSystemCheck(harness);
        QCOMPARE(harness.shell().currentStep(), 4);

        QCOMPARE(childText(harness, "thermalVerdictCard", "verdictTitle"), QStringLiteral("Temperaturen unauffällig"));
        QCOMPARE(childText(harness, "loadVerdictCard", "verdictTitle"), QStringLiteral("Hintergrundlast unauffällig"));
        QVERIFY(!harness.isShown(QStringLiteral("cleaningButton")));
        QCOMPARE(harness.text(QStringLiteral("thermalStateValue")), QStringLiteral("Normal"));
        QCOMPARE(miniCardValues(harness), (QStringList {"48,0 °C", "44,5 °C", "29,5 °C", "38,0 °C"}));
        QCOMPARE(harness.text(QStringLiteral("sensorSummary")), QStringLiteral("Wärmster Sensor: CPU Nähe · 48,0 °C"));
        QCOMPARE(harness.text(QStringLiteral("powerStatePill")), QStringLiteral("Netzbetrieb"));
        QVERIFY(harness.isShown(QStringLiteral("noFlaggedProcesses")));
        QCOMPARE(harness.text(QStringLiteral("measurementLine")).left(10), QStringLiteral("Messdauer:"));
    }

    void hotMacAsksForCleaning()
    {
        ScreenHarness harness(SystemMachines::overheatedPro());
        finishSystemCheck(harness);

        QCOMPARE(childText(harness, "thermalVerdictCard", "verdictTitle"), QStringLiteral("Reinigung notwendig"));
        QCOMPARE(childText(harness, "loadVerdictCard", "verdictTitle"),
                 QStringLiteral("Starke Hintergrundlast erkannt"));
        QVERIFY(harness.isShown(QStringLiteral("cleaningButton")));
        const auto tint = [&harness](const char *item) {
            return harness.find(QString::fromLatin1(item))->property("tint").value<QColor>();
        };
        QCOMPARE(tint("thermalVerdictCard"), QColor(202, 63, 54));
        QCOMPARE(tint("miniCard2"), QColor(238, 132, 31)); // the battery at 41 °C
        QCOMPARE(tint("flaggedProcess0"), QColor(202, 63, 54));
        QCOMPARE(harness.text(QStringLiteral("powerStatePill")), QStringLiteral("Akkubetrieb"));
        QCOMPARE(childText(harness, "flaggedProcess0", "processName"), QStringLiteral("cloudsafe-backupd"));
        QVERIFY(!harness.isShown(QStringLiteral("noFlaggedProcesses")));

        QVERIFY(!harness.isShown(QStringLiteral("sensorList")));
        harness.press(QStringLiteral("sensorListToggle"));
        QVERIFY(harness.isShown(QStringLiteral("sensorList")));
        harness.press(QStringLiteral("sensorListToggle"));
        QVERIFY(!harness.isShown(QStringLiteral("sensorList")));
    }

    void macWithoutSmcStillGetsAResult()
    {
        ScreenHarness harness(SystemMachines::withoutSmc());
        finishSystemCheck(harness);

        QCOMPARE(childText(harness, "thermalVerdictCard", "verdictTitle"), QStringLiteral("Temperaturen unauffällig"));
        QCOMPARE(miniCardValues(harness), (QStringList {"–", "–", "–", "–"}));
        QCOMPARE(harness.text(QStringLiteral("sensorSummary")),
                 QStringLiteral("Auf diesem Mac konnten keine einzelnen SMC-Sensoren gelesen werden. Der macOS "
                                "Thermal State wird trotzdem berücksichtigt."));
    }

    void leavingTheCheckReturnsToTheCatalogue()
    {
        ScreenHarness harness(SystemMachines::coolAir());
        harness.press(QStringLiteral("moduleCard_system"));
        harness.advance(700ms);
        harness.shell().back();
        harness.advance(3000ms);
        QCOMPARE(harness.shell().routeName(), QStringLiteral("selection"));
        QCOMPARE(harness.shell().systemModel()->phaseName(), QStringLiteral("start"));
    }
};

QTEST_MAIN(SystemScreenTest)
#include "SystemScreenTest.moc"
