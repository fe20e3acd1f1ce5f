#include "fans/FanCheck.h"
#include "support/FakeSmc.h"
#include "support/FanMachines.h"
#include "support/RecordingSleeper.h"

#include <QTest>

using namespace std::chrono_literals;
using FanMachines::fanKeys;

namespace {

SimulatedMachine machine(QList<SmcKey> keys, std::optional<qint64> thermalState)
{
    SimulatedMachine simulated;
    simulated.smcKeys = std::move(keys);
    simulated.thermalState = thermalState;
    return simulated;
}

SmcKey cpu(float celsius)
{
    return floatKey("TC0P", celsius);
}

} // namespace

class FanCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void outcomes_data()
    {
        QTest::addColumn<SimulatedMachine>("machine");
        QTest::addColumn<CustomerVerdict>("verdict");
        // Title and explanation.
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("cleaning");
        QTest::addColumn<QStringList>("details");

        using enum CustomerVerdict;
        const QMap<CustomerVerdict, QStringList> texts {
            {Good,
             {"Lüfter & Kühlung unauffällig",
              "Die erkannten Lüfter liefern plausible Drehzahlen und während der Messung bestand kein deutlicher "
              "thermischer Warnzustand."}},
            {Notice,
             {"Kühlung arbeitet – Temperaturen erhöht",
              "Die Lüfter werden erkannt und laufen, die gemessenen Temperaturen sind aber erhöht. Eine Innen- und "
              "Kühlsystemreinigung kann sinnvoll sein."}},
            {Problem,
             {"Kühlung auffällig",
              "Das MacBook ist deutlich warm, gleichzeitig wird bei den erkannten Lüftern kaum "
              "Drehzahl gemeldet. Das sollte genauer geprüft werden."}},
            {Unavailable,
             {"Keine Lüfterdaten verfügbar",
              "Bei lüfterlosen MacBooks ist das normal. Besitzt dein Modell einen Lüfter, konnte dessen Drehzahl in "
              "dieser Messung nicht ausgelesen werden. Die Temperaturdiagnose funktioniert unabhängig davon weiter."}}};
        const auto row = [&texts](const char *tag, const SimulatedMachine &m, CustomerVerdict verdict, bool cleaning,
                                  const QStringList &details) {
            QTest::newRow(tag) << m << verdict << texts[verdict] << cleaning << details;
        };
        row("90.0 °C, fan at 100.0", machine(fanKeys(0, 100.0) << cpu(90.0f), 0), Notice, true,
            {"Lüfter 1: 100 RPM", "Wärmster Sensor: 90,0 °C"});
        row("90.0 °C, fan at 99.9", machine(fanKeys(0, 99.9) << cpu(90.0f), 0), Problem, true,
            {"Lüfter 1: 100 RPM", "Wärmster Sensor: 90,0 °C"});
        row("hot, fans at 0 and 2400", machine(fanKeys(0, 0) + fanKeys(1, 2400) << cpu(95.0f), 0), Notice, true,
            {"Lüfter 1: 0 RPM", "Lüfter 2: 2400 RPM", "Wärmster Sensor: 95,0 °C"});
        row("hot, fan at 0", machine(fanKeys(0, 0) << cpu(95.0f), 0), Problem, true,
            {"Lüfter 1: 0 RPM", "Wärmster Sensor: 95,0 °C"});
        row("serious, cool sensors", machine(fanKeys(0, 2000) << cpu(50.0f), 2), Notice, true,
            {"Lüfter 1: 2000 RPM", "Wärmster Sensor: 50,0 °C"});
        row("critical, no sensor", machine(fanKeys(0, 1200), 3), Notice, true, {"Lüfter 1: 1200 RPM"});
        row("fair at 89.9 °C", machine(fanKeys(0, 1500) << cpu(89.9f), 1), Good, false,
            {"Lüfter 1: 1500 RPM", "Wärmster Sensor: 89,9 °C"});
        row("fan 1 unreadable", machine(fanKeys(0, 1500).mid(1) + fanKeys(1, 1500) << cpu(60.0f), 0), Good, false,
            {"Lüfter 2: 1500 RPM", "Wärmster Sensor: 60,0 °C"});
        row("fanless at 45 °C", FanMachines::fanlessAir(), Unavailable, false, {"Wärmster Sensor: 45,0 °C"});
        row("fanless and hot", machine({cpu(92.0f)}, 0), Unavailable, true, {"Wärmster Sensor: 92,0 °C"});
        row("fanless, critical", machine({cpu(70.0f)}, 3), Unavailable, true, {"Wärmster Sensor: 70,0 °C"});
        row("no SMC, no temperature", machine({}, std::nullopt), Unavailable, false,
            {"Keine Lüfterdrehzahl verfügbar"});
    }

    void outcomes()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(CustomerVerdict, verdict);
        QFETCH(QStringList, texts);
        QFETCH(bool, cleaning);
        QFETCH(QStringList, details);

        const RecordingSleeper sleeper;
        const FanDiagnosticResult result = computeFanResult(makeFakePlatform(machine), sleeper);
        QCOMPARE(result.verdict, verdict);
        QCOMPARE((QStringList {result.title, result.explanation}), texts);
        QCOMPARE(result.cleaningRecommended, cleaning);
        QCOMPARE(result.details(), details);
        QCOMPARE(sleeper.pauses(), QList<std::chrono::milliseconds> {250ms});
    }

    void detailsRoundHalvesAwayFromZero()
    {
        FanDiagnosticResult result;
        result.fans = {{0, 2190.5}, {1, 2189.49}, {2, 0.5}, {3, 0.49}};
        QCOMPARE(fanDetailLines(result),
                 (QStringList {"Lüfter 1: 2191 RPM", "Lüfter 2: 2189 RPM", "Lüfter 3: 1 RPM", "Lüfter 4: 0 RPM"}));
    }
};

QTEST_GUILESS_MAIN(FanCheckTest)
#include "FanCheckTest.moc"
