#include "machine/FormatOneDecimal.h"
#include "system/ThermalEvaluation.h"

#include <QLocale>
#include <QTest>

namespace {

using C = ThermalSensorCategory;
using S = SystemThermalState;
using V = ThermalVerdict;
using Sensors = QList<TemperatureSensor>;

TemperatureSensor sensor(const char *name, C category, double celsius, double peak = 0)
{
    return {
        QStringLiteral("T%1").arg(QLatin1String(name)).left(4), QString::fromUtf8(name), category, celsius, peak, 1};
}

const QString nominalReason = QStringLiteral("Der thermische Systemzustand von macOS ist normal.");
const QString fairReason = QStringLiteral("macOS meldet momentan einen erhöhten thermischen Systemzustand.");

} // namespace

class ThermalEvaluationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void evaluation_data()
    {
        QTest::addColumn<Sensors>("sensors");
        QTest::addColumn<S>("state");
        QTest::addColumn<V>("verdict");
        QTest::addColumn<QStringList>("reasons");

        QTest::newRow("nothing known") << Sensors {} << S::unknown << V::unavailable
                                       << QStringList {"Es konnten keine verwertbaren internen Temperatursensoren "
                                                       "gelesen werden."};
        QTest::newRow("no sensors, fair") << Sensors {} << S::fair << V::elevated << QStringList {fairReason};
        QTest::newRow("no sensors, nominal") << Sensors {} << S::nominal << V::good << QStringList {nominalReason};
        QTest::newRow("nominal and cool")
            << Sensors {sensor("CPU Die", C::cpu, 48.25), sensor("GPU Die", C::gpu, 48.25, 99),
                        sensor("Batterie", C::battery, 30)}
            << S::nominal << V::good
            << QStringList {nominalReason, "Der wärmste gelesene Sensor liegt bei 48,3 °C (CPU Die)."};
        QTest::newRow("battery at its elevated limit")
            << Sensors {sensor("Batterie", C::battery, 40.0)} << S::nominal << V::elevated
            << QStringList {nominalReason, "Batterie ist mit 40,0 °C erhöht."};
        QTest::newRow("cpu at the Prüfgrenze, fair")
            << Sensors {sensor("CPU Die", C::cpu, 95.0)} << S::fair << V::cleaningNeeded
            << QStringList {fairReason, "CPU Die liegt mit 95,0 °C über der Quarzlinde-Prüfgrenze von 95 °C."};
        QTest::newRow("cleaning stays over later elevated")
            << Sensors {sensor("CPU Die", C::cpu, 96.24), sensor("GPU Die", C::gpu, 86)} << S::unknown
            << V::cleaningNeeded
            << QStringList {"CPU Die liegt mit 96,2 °C über der Quarzlinde-Prüfgrenze von 95 °C.",
                            "GPU Die ist mit 86,0 °C erhöht."};
        QTest::newRow("limits per category")
            << Sensors {sensor("SSD", C::storage, 60), sensor("RAM", C::memory, 89.9), sensor("Sys", C::system, 90),
                        sensor("Other", C::other, 79.9), sensor("Akku", C::battery, 45)}
            << S::unknown << V::cleaningNeeded
            << QStringList {"SSD ist mit 60,0 °C erhöht.", "RAM ist mit 89,9 °C erhöht.",
                            "Sys liegt mit 90,0 °C über der Quarzlinde-Prüfgrenze von 90 °C.",
                            "Akku liegt mit 45,0 °C über der Quarzlinde-Prüfgrenze von 45 °C."};
        QTest::newRow("critical and cool")
            << Sensors {sensor("CPU Die", C::cpu, 50)} << S::critical << V::cleaningNeeded
            << QStringList {"macOS meldet einen stark erhöhten thermischen Systemzustand (Kritisch)."};
        QTest::newRow("serious") << Sensors {} << S::serious << V::cleaningNeeded
                                 << QStringList {
                                        "macOS meldet einen stark erhöhten thermischen Systemzustand (Stark erhöht)."};
        QTest::newRow("unknown and cool")
            << Sensors {sensor("CPU Die", C::cpu, 50)} << S::unknown << V::good << QStringList {};
        QTest::newRow("peak plays no part")
            << Sensors {sensor("CPU Die", C::cpu, 50, 120)} << S::fair << V::elevated << QStringList {fairReason};

        Sensors twelve;
        QStringList firstSeven {nominalReason};
        for (int i = 0; i < 12; ++i) {
            twelve.append(sensor(qPrintable(QStringLiteral("S%1").arg(i)), C::cpu, 86 + i * 0.1));
            if (i < 7)
                firstSeven.append(
                    QStringLiteral("S%1 ist mit %2 °C erhöht.").arg(i).arg(formatOneDecimal(86 + i * 0.1)));
        }
        QTest::newRow("twelve elevated") << twelve << S::nominal << V::elevated << firstSeven;
    }
    void evaluation()
    {
        QFETCH(Sensors, sensors);
        QFETCH(S, state);
        QFETCH(V, verdict);
        QFETCH(QStringList, reasons);
        const ThermalEvaluation evaluation = evaluateThermal(sensors, state);
        QCOMPARE(evaluation.verdict, verdict);
        QCOMPARE(evaluation.reasons, reasons);
    }

    void explanations_data()
    {
        QTest::addColumn<Sensors>("sensors");
        QTest::addColumn<S>("state");
        QTest::addColumn<QString>("explanation");
        QTest::newRow("good") << Sensors {sensor("CPU Die", C::cpu, 50)} << S::nominal
                              << "Die gelesenen Temperaturen und der macOS-Thermalstatus sind während der Messung "
                                 "unauffällig. Eine Reinigung wird aufgrund dieser Messung nicht empfohlen.";
        QTest::newRow("elevated") << Sensors {sensor("CPU Die", C::cpu, 85)} << S::nominal
                                  << "Mindestens ein Temperaturwert ist erhöht. Hohe Last kann das kurzfristig "
                                     "verursachen. Beende rechenintensive Aufgaben und wiederhole den Check; bleiben "
                                     "die Werte hoch, sollte die Kühlung geprüft werden.";
        QTest::newRow("cleaning needed")
            << Sensors {} << S::serious
            << "Mindestens ein Temperaturwert liegt über der Quarzlinde-Prüfgrenze oder macOS meldet starken "
               "thermischen Druck. Die Kühlung und Luftwege sollten geprüft und das Gerät bei Bedarf gereinigt werden.";
        QTest::newRow("unavailable") << Sensors {} << S::unknown
                                     << "Der Akku-Check bleibt nutzbar, die thermische Bewertung ist auf diesem Mac in "
                                        "dieser Testversion jedoch nicht vollständig verfügbar.";
    }
    void explanations()
    {
        QFETCH(Sensors, sensors);
        QFETCH(S, state);
        QFETCH(QString, explanation);
        QCOMPARE(evaluateThermal(sensors, state).explanation, explanation);
    }
};

QTEST_GUILESS_MAIN(ThermalEvaluationTest)
#include "tst_thermalevaluation.moc"
