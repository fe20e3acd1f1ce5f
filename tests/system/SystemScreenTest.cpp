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
    void showsBothVerdicts_data()
    {
        QTest::addColumn<SimulatedMachine>("machine");
        QTest::addColumn<QString>("thermalVerdict");
        QTest::addColumn<QColor>("thermalTint");
        QTest::addColumn<QString>("loadVerdict");
        QTest::addColumn<QString>("flaggedProcess");
        // CPU, GPU, battery and storage cards.
        QTest::addColumn<QStringList>("temperatures");
        QTest::addColumn<QString>("sensorSummary");
        QTest::addColumn<QString>("power");

        const QColor good(17, 111, 53), problem(202, 63, 54);
        QTest::newRow("cool") << SystemMachines::coolAir() << "Temperaturen unauffällig" << good
                              << "Hintergrundlast unauffällig" << QString()
                              << QStringList {"48,0 °C", "44,5 °C", "29,5 °C", "38,0 °C"}
                              << "Wärmster Sensor: CPU Nähe · 48,0 °C"
                              << "Netzbetrieb";
        QTest::newRow("hot") << SystemMachines::overheatedPro() << "Reinigung notwendig" << problem
                             << "Starke Hintergrundlast erkannt"
                             << "cloudsafe-backupd" << QStringList {"97,5 °C", "88,0 °C", "41,0 °C", "52,0 °C"}
                             << "Wärmster Sensor: CPU Nähe · 97,5 °C"
                             << "Akkubetrieb";
        QTest::newRow("without SMC") << SystemMachines::withoutSmc() << "Temperaturen unauffällig" << good
                                     << "Hintergrundlast unauffällig" << QString() << QStringList {"–", "–", "–", "–"}
                                     << "Auf diesem Mac konnten keine einzelnen SMC-Sensoren gelesen werden. Der "
                                        "macOS Thermal State wird trotzdem berücksichtigt."
                                     << "Akkubetrieb";
    }
    void showsBothVerdicts()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(QString, thermalVerdict);
        QFETCH(QColor, thermalTint);
        QFETCH(QString, loadVerdict);
        QFETCH(QString, flaggedProcess);
        QFETCH(QStringList, temperatures);
        QFETCH(QString, sensorSummary);
        QFETCH(QString, power);

        ScreenHarness harness(machine);
        harness.press(QStringLiteral("moduleCard_system"));
        QCOMPARE(harness.shell().currentStep(), 2);
        QVERIFY(harness.isShown(QStringLiteral("checkingProgressText")));
        runSystemCheck(harness);
        QCOMPARE(harness.shell().currentStep(), 4);

        QCOMPARE(childText(harness, "thermalVerdictCard", "verdictTitle"), thermalVerdict);
        QCOMPARE(harness.find(QStringLiteral("thermalVerdictCard"))->property("tint").value<QColor>(), thermalTint);
        // The cleaning page is offered with the red verdict only.
        QCOMPARE(harness.isShown(QStringLiteral("cleaningButton")), thermalTint == QColor(202, 63, 54));
        QCOMPARE(childText(harness, "loadVerdictCard", "verdictTitle"), loadVerdict);
        QCOMPARE(harness.isShown(QStringLiteral("noFlaggedProcesses")), flaggedProcess.isEmpty());
        if (!flaggedProcess.isEmpty())
            QCOMPARE(childText(harness, "flaggedProcess0", "processName"), flaggedProcess);
        QCOMPARE(miniCardValues(harness), temperatures);
        QCOMPARE(harness.text(QStringLiteral("sensorSummary")), sensorSummary);
        QCOMPARE(harness.text(QStringLiteral("powerStatePill")), power);
        // Eight rounds 0.42 s apart, in the check's own time.
        QCOMPARE(harness.text(QStringLiteral("measurementLine")), QStringLiteral("Messdauer: 2,9 s · 8 Messpunkte"));
    }
};

QTEST_MAIN(SystemScreenTest)
#include "SystemScreenTest.moc"
