#include "machine/BatteryReader.h"
#include "support/FakePlatform.h"

#include <QTest>

#include <cmath>

namespace {

QByteArray
powerJson(const QByteArray &battery,
          const QByteArray &hardware = R"({"machine_name": "MacBook Pro", "machine_model": "MacBookPro16,1"})")
{
    return R"({"SPHardwareDataType": [)" + hardware + R"(], "SPPowerDataType": [{"_name": "spbattery_information", )" +
        battery + "}]}";
}

// A MacBook Pro whose profiler output names it and says nothing else unless told.
SimulatedMachine registry(const QVariantMap &properties, const QByteArray &battery = "\"x\": 1")
{
    return {properties, powerJson(battery), {}};
}

BatterySnapshot proSnapshot()
{
    BatterySnapshot snapshot;
    snapshot.modelName = QStringLiteral("MacBook Pro");
    snapshot.modelIdentifier = QStringLiteral("MacBookPro16,1");
    snapshot.family = MacBookFamily::pro;
    return snapshot;
}

template<typename Change>
BatterySnapshot pro(Change change)
{
    BatterySnapshot snapshot = proSnapshot();
    change(snapshot);
    return snapshot;
}

} // namespace

class BatteryReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void mergesSources_data()
    {
        QTest::addColumn<SimulatedMachine>("machine");
        QTest::addColumn<BatterySnapshot>("expected");

        QTest::newRow("registry ratio wins over the tool's maximum capacity")
            << registry({{"NominalChargeCapacity", 4382}, {"DesignCapacity", 4563}},
                        R"("health": {"sppower_battery_health_maximum_capacity": "91%"})")
            << pro([](BatterySnapshot &s) {
                   s.designCapacityMAh = 4563;
                   s.fullChargeCapacityMAh = 4382;
                   s.healthPercent = 4382.0 / 4563.0 * 100.0;
               });
        QTest::newRow("percentage MaxCapacity is no capacity, the tool's figure counts")
            << registry({{"MaxCapacity", 100}, {"DesignCapacity", 5103}},
                        R"("sppower_battery_health_maximum_capacity": "87%")")
            << pro([](BatterySnapshot &s) {
                   s.designCapacityMAh = 5103;
                   s.healthPercent = 87.0;
               });
        QTest::newRow("ratio above 150 % rejected")
            << registry({{"FullChargeCapacity", 9000}, {"DesignCapacity", 5000}},
                        R"("sppower_battery_maximum_capacity": "91 %")")
            << pro([](BatterySnapshot &s) {
                   s.designCapacityMAh = 5000;
                   s.fullChargeCapacityMAh = 9000;
                   s.healthPercent = 91.0;
               });
        QTest::newRow("ratio above 100 % capped")
            << registry({{"FCC", 5200}, {"AppleDesignCapacity", 5000}}) << pro([](BatterySnapshot &s) {
                   s.designCapacityMAh = 5000;
                   s.fullChargeCapacityMAh = 5200;
                   s.healthPercent = 100.0;
               });
        QTest::newRow("percent charge from Apple silicon registry")
            << registry({{"CurrentCapacity", 83}, {"MaxCapacity", 100}})
            << pro([](BatterySnapshot &s) { s.chargePercent = 83; });
        QTest::newRow("mAh charge from Intel registry")
            << registry({{"CurrentCapacity", 5000}, {"MaxCapacity", 6000}}) << pro([](BatterySnapshot &s) {
                   s.fullChargeCapacityMAh = 6000;
                   s.chargePercent = 83;
               });
        QTest::newRow("charge from raw current and full charge")
            << registry({{"AppleRawCurrentCapacity", 2000}, {"AppleRawMaxCapacity", 4000}})
            << pro([](BatterySnapshot &s) {
                   s.fullChargeCapacityMAh = 4000;
                   s.chargePercent = 50;
               });
        QTest::newRow("tool's state of charge wins and is clamped")
            << registry({{"StateOfCharge", 40}}, R"("charge": {"sppower_battery_state_of_charge": 120})")
            << pro([](BatterySnapshot &s) { s.chargePercent = 100; });
        QTest::newRow("state of charge above 100 skipped")
            << registry({{"StateOfCharge", 101}, {"CurrentCapacity", 64}})
            << pro([](BatterySnapshot &s) { s.chargePercent = 64; });
        QTest::newRow("tool's cycle count wins")
            << registry({{"CycleCount", 900}}, R"("health": {"sppower_battery_cycle_count": 120})")
            << pro([](BatterySnapshot &s) { s.cycleCount = 120; });
        QTest::newRow("cycle text with thousands separator")
            << registry({{"CycleCount", "1.234"}}) << pro([](BatterySnapshot &s) { s.cycleCount = 1; });
        QTest::newRow("cycle count out of range") << registry({{"CycleCount", 100000}}) << proSnapshot();
        QTest::newRow("tool's number as text of the wrong kind falls back to registry")
            << registry({{"BatteryCycleCount", 321}}, R"("sppower_battery_cycle_count": "viele")")
            << pro([](BatterySnapshot &s) { s.cycleCount = 321; });
        QTest::newRow("nested battery data consulted after the top level")
            << registry({{"DesignCapacity", 5000},
                         {"BatteryData", QVariantMap {{"NominalChargeCapacity", 4500}, {"DesignCapacity", 9999}}}})
            << pro([](BatterySnapshot &s) {
                   s.designCapacityMAh = 5000;
                   s.fullChargeCapacityMAh = 4500;
                   s.healthPercent = 90.0;
               });
        QTest::newRow("battery data that is not a dictionary is ignored")
            << registry({{"BatteryData", "garbage"}, {"CycleCount", 5}})
            << pro([](BatterySnapshot &s) { s.cycleCount = 5; });
        QTest::newRow("unusable capacity values skipped") << registry({{"DesignCapacity", std::nan("")},
                                                                       {"AppleDesignCapacity", 5000},
                                                                       {"NominalChargeCapacity", -4000},
                                                                       {"AppleRawMaxCapacity", "4.500"},
                                                                       {"FullChargeCapacity", 4000}})
                                                          << pro([](BatterySnapshot &s) {
                                                                 s.designCapacityMAh = 5000;
                                                                 s.fullChargeCapacityMAh = 4000;
                                                                 s.healthPercent = 80.0;
                                                             });
        QTest::newRow("condition normalised from the tool")
            << registry({{"Condition", "Normal"}}, R"("sppower_battery_health": "Service Recommended")")
            << pro([](BatterySnapshot &s) { s.macOSCondition = QStringLiteral("Service empfohlen"); });
        QTest::newRow("condition trimmed")
            << registry({{"Condition", " Normal\n"}})
            << pro([](BatterySnapshot &s) { s.macOSCondition = QStringLiteral("Normal"); });
        QTest::newRow("unknown condition kept as reported")
            << registry({{"BatteryHealth", "Ersetzen"}})
            << pro([](BatterySnapshot &s) { s.macOSCondition = QStringLiteral("Ersetzen"); });
        QTest::newRow("condition from data with control characters")
            << registry({{"Condition", QByteArray("Replace Soon\0", 13)}})
            << pro([](BatterySnapshot &s) { s.macOSCondition = QStringLiteral("Bald austauschen"); });
        QTest::newRow("Good reads as Normal")
            << registry({}, R"("sppower_battery_health": "Good")")
            << pro([](BatterySnapshot &s) { s.macOSCondition = QStringLiteral("Normal"); });
        QTest::newRow("permanent failure overrides a normal condition")
            << registry({{"PermanentFailureStatus", 1}, {"Condition", "Normal"}})
            << pro([](BatterySnapshot &s) { s.macOSCondition = QStringLiteral("Service empfohlen"); });
        QTest::newRow("charging and power from both sources")
            << registry({{"IsCharging", false}, {"AppleRawExternalConnected", "Yes"}},
                        R"("sppower_battery_is_charging": "TRUE")")
            << pro([](BatterySnapshot &s) {
                   s.isCharging = true;
                   s.externalPowerConnected = true;
               });
        QTest::newRow("identity from system controls when the tool says nothing")
            << SimulatedMachine {QVariantMap {{"CycleCount", 7}}, std::nullopt, QStringLiteral("MacBookAir7,2")}
            << BatterySnapshot {"MacBook Air", "MacBookAir7,2", MacBookFamily::air, {}, 7, {}, {}, {}, {}, {}, {}};
        QTest::newRow("tool output that is not JSON counts as none")
            << SimulatedMachine {QVariantMap {{"CycleCount", 7}}, QByteArray("<plist>"), QStringLiteral("Mac17,5")}
            << BatterySnapshot {"MacBook Neo", "Mac17,5", MacBookFamily::neo, {}, 7, {}, {}, {}, {}, {}, {}};
        QTest::newRow("JSON of the wrong shape")
            << SimulatedMachine {QVariantMap {{"CycleCount", 7}},
                                 QByteArray(R"({"SPHardwareDataType": "x", "machine_name": ["MacBook Air"]})"),
                                 QStringLiteral("MacBookAir7,2")}
            << BatterySnapshot {"MacBook Air", "MacBookAir7,2", MacBookFamily::air, {}, 7, {}, {}, {}, {}, {}, {}};
        QTest::newRow("installed battery without values") << registry({}) << proSnapshot();
        QTest::newRow("installed battery reporting zeros keeps them")
            << registry({{"BatteryInstalled", true}, {"CycleCount", 0}, {"CurrentCapacity", 0}, {"MaxCapacity", 0}})
            << pro([](BatterySnapshot &s) {
                   s.cycleCount = 0;
                   s.chargePercent = 0;
               });
    }
    void mergesSources()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(BatterySnapshot, expected);
        const BatterySnapshot snapshot = BatteryReader(makeFakePlatform(machine)).read();
        QCOMPARE(snapshot.modelName, expected.modelName);
        QCOMPARE(snapshot.modelIdentifier, expected.modelIdentifier);
        QCOMPARE(snapshot.family, expected.family);
        QCOMPARE(snapshot.healthPercent.has_value(), expected.healthPercent.has_value());
        if (expected.healthPercent)
            QCOMPARE(*snapshot.healthPercent, *expected.healthPercent);
        QCOMPARE(snapshot.cycleCount, expected.cycleCount);
        QCOMPARE(snapshot.fullChargeCapacityMAh, expected.fullChargeCapacityMAh);
        QCOMPARE(snapshot.designCapacityMAh, expected.designCapacityMAh);
        QCOMPARE(snapshot.chargePercent, expected.chargePercent);
        QCOMPARE(snapshot.macOSCondition, expected.macOSCondition);
        QCOMPARE(snapshot.isCharging, expected.isCharging);
        QCOMPARE(snapshot.externalPowerConnected, expected.externalPowerConnected);
    }

    void failsOnlyWithoutAnyBattery_data()
    {
        QTest::addColumn<SimulatedMachine>("machine");
        QTest::addColumn<BatteryReaderError>("error");

        QTest::newRow("desktop Mac") << SimulatedMachine {std::nullopt, std::nullopt, QStringLiteral("Macmini9,1")}
                                     << BatteryReaderError::noBattery;
        QTest::newRow("desktop Mac with tool output")
            << SimulatedMachine {std::nullopt,
                                 QByteArray(R"({"SPHardwareDataType": [{"machine_name": "Mac mini"}]})"),
                                 {}}
            << BatteryReaderError::noBattery;
        QTest::newRow("MacBook whose tool failed and registry is empty")
            << SimulatedMachine {std::nullopt, std::nullopt, QStringLiteral("MacBookPro16,1")}
            << BatteryReaderError::systemProfilerFailed;
        QTest::newRow("MacBook whose tool answered without battery")
            << SimulatedMachine {std::nullopt, powerJson("\"x\": 1"), {}} << BatteryReaderError::noBattery;
        QTest::newRow("service says no battery installed")
            << registry({{"BatteryInstalled", false}}) << BatteryReaderError::noBattery;
        QTest::newRow("service says no battery installed and reports zeros")
            << SimulatedMachine {QVariantMap {{"BatteryInstalled", qint64(0)},
                                              {"CycleCount", 0},
                                              {"CurrentCapacity", 0},
                                              {"MaxCapacity", 0}},
                                 QByteArray(R"({"SPHardwareDataType": [{"machine_name": "Mac mini"}]})"),
                                 {}}
            << BatteryReaderError::noBattery;
    }
    void failsOnlyWithoutAnyBattery()
    {
        QFETCH(SimulatedMachine, machine);
        QFETCH(BatteryReaderError, error);
        try {
            BatteryReader(makeFakePlatform(machine)).read();
            QFAIL("read() succeeded without a battery");
        } catch (BatteryReaderError thrown) {
            QCOMPARE(thrown, error);
        }
    }

    // The other sentence shows on every desktop Mac's result screen.
    void profilerFailureHasItsSentence()
    {
        QCOMPARE(localizedDescription(BatteryReaderError::systemProfilerFailed),
                 QStringLiteral("Die Batteriedaten konnten von macOS nicht vollständig gelesen werden."));
    }
};

QTEST_GUILESS_MAIN(BatteryReaderTest)
#include "BatteryReaderTest.moc"
