#include "battery/BatteryEvaluation.h"
#include "battery/BatteryMetrics.h"

#include <QTest>

namespace {

BatterySnapshot snapshot(std::optional<double> health, std::optional<qint64> cycles, std::optional<QString> condition)
{
    BatterySnapshot s;
    s.healthPercent = health;
    s.cycleCount = cycles;
    s.macOSCondition = condition;
    return s;
}

const QString goodExplanation = QStringLiteral(
    "Kapazität, Ladezyklen und der macOS Status liegen im unauffälligen Bereich. Ein vorsorglicher Austausch ist "
    "derzeit nicht erforderlich.");

} // namespace

class BatteryEvaluationTest : public QObject
{
    Q_OBJECT

private slots:
    void rates_data()
    {
        QTest::addColumn<BatterySnapshot>("input");
        QTest::addColumn<BatteryVerdict>("verdict");
        QTest::addColumn<QStringList>("reasons");

        QTest::newRow("healthy") << snapshot(96.3, 120, "Normal") << BatteryVerdict::good
                                 << QStringList {"Der macOS Batteriestatus lautet „Normal“.",
                                                 "Die Restkapazität beträgt 96 % und liegt über 85 %.",
                                                 "Der Akku hat 120 Ladezyklen und liegt unter 500 Zyklen."};
        QTest::newRow("85.0 is in the warning band")
            << snapshot(85.0, {}, {}) << BatteryVerdict::soon
            << QStringList {"Die Restkapazität beträgt 85 % und liegt im Vorwarnbereich von 81–85 %."};
        QTest::newRow("80.0 needs a replacement")
            << snapshot(80.0, {}, {}) << BatteryVerdict::replace
            << QStringList {"Die Restkapazität beträgt 80 % und liegt damit bei höchstens 80 %."};
        QTest::newRow("band chosen on the unrounded value")
            << snapshot(80.4, {}, {}) << BatteryVerdict::soon
            << QStringList {"Die Restkapazität beträgt 80 % und liegt im Vorwarnbereich von 81–85 %."};
        QTest::newRow("85.3 above the band") << snapshot(85.3, {}, {}) << BatteryVerdict::good
                                             << QStringList {"Die Restkapazität beträgt 85 % und liegt über 85 %."};
        QTest::newRow("half rounds away from zero")
            << snapshot(90.5, {}, {}) << BatteryVerdict::good
            << QStringList {"Die Restkapazität beträgt 91 % und liegt über 85 %."};
        QTest::newRow("499 cycles") << snapshot({}, 499, {}) << BatteryVerdict::good
                                    << QStringList {"Der Akku hat 499 Ladezyklen und liegt unter 500 Zyklen."};
        QTest::newRow("500 cycles")
            << snapshot({}, 500, {}) << BatteryVerdict::soon
            << QStringList {"Der Akku hat 500 Ladezyklen und liegt im Vorwarnbereich von 500–800 Zyklen."};
        QTest::newRow("800 cycles")
            << snapshot({}, 800, {}) << BatteryVerdict::soon
            << QStringList {"Der Akku hat 800 Ladezyklen und liegt im Vorwarnbereich von 500–800 Zyklen."};
        QTest::newRow("801 cycles") << snapshot({}, 801, {}) << BatteryVerdict::replace
                                    << QStringList {
                                           "Der Akku hat 801 Ladezyklen und damit mehr als 800 Zyklen erreicht."};
        QTest::newRow("cycles written without grouping")
            << snapshot({}, 1234, {}) << BatteryVerdict::replace
            << QStringList {"Der Akku hat 1234 Ladezyklen und damit mehr als 800 Zyklen erreicht."};
        QTest::newRow("good capacity, warning cycles")
            << snapshot(90, 650, {}) << BatteryVerdict::soon
            << QStringList {"Die Restkapazität beträgt 90 % und liegt über 85 %.",
                            "Der Akku hat 650 Ladezyklen und liegt im Vorwarnbereich von 500–800 Zyklen."};
        QTest::newRow("warning capacity, worn cycles")
            << snapshot(82, 900, {}) << BatteryVerdict::replace
            << QStringList {"Die Restkapazität beträgt 82 % und liegt im Vorwarnbereich von 81–85 %.",
                            "Der Akku hat 900 Ladezyklen und damit mehr als 800 Zyklen erreicht."};
        QTest::newRow("condition alone decides")
            << snapshot(97, 100, "Service empfohlen") << BatteryVerdict::replace
            << QStringList {"macOS meldet „Service empfohlen“.", "Die Restkapazität beträgt 97 % und liegt über 85 %.",
                            "Der Akku hat 100 Ladezyklen und liegt unter 500 Zyklen."};
        QTest::newRow("soon condition alone")
            << snapshot({}, {}, "Bald austauschen") << BatteryVerdict::soon
            << QStringList {"macOS weist mit „Bald austauschen“ auf zunehmenden Verschleiß hin."};
        QTest::newRow("failure in any case and position")
            << snapshot({}, 10, "Permanent FAILURE detected") << BatteryVerdict::replace
            << QStringList {"macOS meldet „Permanent FAILURE detected“.",
                            "Der Akku hat 10 Ladezyklen und liegt unter 500 Zyklen."};
        QTest::newRow("accented spelling still matches")
            << snapshot({}, 10, "DÉFEKT") << BatteryVerdict::replace
            << QStringList {"macOS meldet „DÉFEKT“.", "Der Akku hat 10 Ladezyklen und liegt unter 500 Zyklen."};
        QTest::newRow("replace list wins over good words")
            << snapshot({}, {}, "Good, but check battery") << BatteryVerdict::replace
            << QStringList {"macOS meldet „Good, but check battery“."};
        QTest::newRow("unrecognised condition with cycles")
            << snapshot({}, 42, "Ersetzen") << BatteryVerdict::good
            << QStringList {"Der Akku hat 42 Ladezyklen und liegt unter 500 Zyklen."};
    }
    void rates()
    {
        QFETCH(BatterySnapshot, input);
        QFETCH(BatteryVerdict, verdict);
        QFETCH(QStringList, reasons);
        const BatteryEvaluation evaluation = evaluate(input);
        QCOMPARE(evaluation.verdict, verdict);
        QCOMPARE(evaluation.reasons, reasons);
    }

    void explainsEachVerdict_data()
    {
        QTest::addColumn<BatterySnapshot>("input");
        QTest::addColumn<QString>("explanation");
        QTest::newRow("good") << snapshot(99, 1, {}) << goodExplanation;
        QTest::newRow("soon") << snapshot(84, {}, {})
                              << QStringLiteral("Mindestens ein Wert liegt im Vorwarnbereich. Der Akku kann "
                                                "weiterverwendet werden, ein Austausch sollte aber für die nähere "
                                                "Zukunft eingeplant werden.");
        QTest::newRow("replace") << snapshot(70, {}, {})
                                 << QStringLiteral("Mindestens ein Wert hat die Austauschgrenze erreicht. Für "
                                                   "zuverlässige Laufzeit und Betriebssicherheit ist ein Akku-Wechsel "
                                                   "empfehlenswert.");
    }
    void explainsEachVerdict()
    {
        QFETCH(BatterySnapshot, input);
        QFETCH(QString, explanation);
        QCOMPARE(evaluate(input).explanation, explanation);
    }

    void incompleteWithoutRatableValues_data()
    {
        QTest::addColumn<BatterySnapshot>("input");
        QTest::newRow("empty snapshot") << BatterySnapshot {};
        QTest::newRow("unrecognised condition only") << snapshot({}, {}, "Ersetzen");
        QTest::newRow("blank condition only") << snapshot({}, {}, " \n");
        QTest::newRow("health not finite") << snapshot(qQNaN(), {}, {});
    }
    void incompleteWithoutRatableValues()
    {
        QFETCH(BatterySnapshot, input);
        const BatteryEvaluation evaluation = evaluate(input);
        QCOMPARE(evaluation.verdict, BatteryVerdict::unavailable);
        QCOMPARE(
            evaluation.reasons,
            QStringList {"macOS hat weder eine verwertbare Restkapazität noch eine Ladezyklenzahl bereitgestellt."});
        QCOMPARE(evaluation.explanation,
                 QStringLiteral("Die Batterie wurde erkannt, die für eine eindeutige Bewertung benötigten Werte waren "
                                "jedoch nicht vollständig verfügbar."));
        QCOMPARE(batteryMetrics(input, Tint::Neutral).health.value, QStringLiteral("–"));
    }

    // The result screen's cards carry their own thresholds and words.
    void tintsTheMetricCards_data()
    {
        QTest::addColumn<BatterySnapshot>("input");
        QTest::addColumn<Tint>("cycles");
        QTest::addColumn<Tint>("condition");
        QTest::newRow("nothing known") << BatterySnapshot {} << Tint::Neutral << Tint::Neutral;
        QTest::newRow("499 cycles, normal") << snapshot({}, 499, "Normal") << Tint::Good << Tint::Good;
        QTest::newRow("500 cycles, service")
            << snapshot({}, 500, "Service Recommended") << Tint::Warning << Tint::Problem;
        QTest::newRow("800 cycles, to be serviced")
            << snapshot({}, 800, "Batterie warten") << Tint::Warning << Tint::Problem;
        QTest::newRow("801 cycles, replace soon")
            << snapshot({}, 801, "Replace Soon") << Tint::Problem << Tint::Problem;
        QTest::newRow("exchange, any case") << snapshot({}, 0, "AUSTAUSCH") << Tint::Good << Tint::Problem;
        QTest::newRow("a word the list lacks") << snapshot({}, 1, "Defekt") << Tint::Good << Tint::Good;
    }
    void tintsTheMetricCards()
    {
        QFETCH(BatterySnapshot, input);
        QFETCH(Tint, cycles);
        QFETCH(Tint, condition);
        const BatteryMetrics metrics = batteryMetrics(input, Tint::Warning);
        QCOMPARE(metrics.cycles.tint, cycles);
        QCOMPARE(metrics.condition.tint, condition);
        QCOMPARE(metrics.health.tint, Tint::Warning);
    }

    void describesTheCharge_data()
    {
        QTest::addColumn<std::optional<bool>>("charging");
        QTest::addColumn<std::optional<bool>>("externalPower");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("subtitle");
        QTest::newRow("charging") << std::optional(true) << std::optional(true) << "bolt.fill"
                                  << "Akku wird derzeit geladen";
        QTest::newRow("plugged in, full") << std::optional(false) << std::optional(true) << "battery.50"
                                          << "Netzteil ist angeschlossen";
        QTest::newRow("on battery") << std::optional(false) << std::optional(false) << "battery.50"
                                    << "Momentaner Ladezustand";
        QTest::newRow("unknown") << std::optional<bool>() << std::optional<bool>() << "battery.50"
                                 << "Momentaner Ladezustand";
    }
    void describesTheCharge()
    {
        QFETCH(std::optional<bool>, charging);
        QFETCH(std::optional<bool>, externalPower);
        QFETCH(QString, symbol);
        QFETCH(QString, subtitle);
        BatterySnapshot input;
        input.isCharging = charging;
        input.externalPowerConnected = externalPower;
        const MetricCard charge = batteryMetrics(input, Tint::Good).charge;
        QCOMPARE(charge.symbol, symbol);
        QCOMPARE(charge.subtitle, subtitle);
    }
};

QTEST_GUILESS_MAIN(BatteryEvaluationTest)
#include "BatteryEvaluationTest.moc"
