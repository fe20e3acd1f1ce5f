#include "platform/linux/LinuxThermalState.h"
#include "support/FakeTree.h"
#include "support/RecordingSleeper.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {

// A zone at the given temperature with trips "type:limit" (m°C).
void addZone(const FakeTree &tree, int zone, const char *type, const char *temperature,
             const QList<std::pair<const char *, const char *>> &trips)
{
    const QString directory = QStringLiteral("sys/class/thermal/thermal_zone%1/").arg(zone);
    tree.write(directory + QStringLiteral("type"), QByteArray(type) + '\n');
    tree.write(directory + QStringLiteral("temp"), QByteArray(temperature) + '\n');
    for (int trip = 0; trip < trips.size(); ++trip) {
        tree.write(directory + QStringLiteral("trip_point_%1_type").arg(trip), QByteArray(trips[trip].first) + '\n');
        tree.write(directory + QStringLiteral("trip_point_%1_temp").arg(trip), QByteArray(trips[trip].second) + '\n');
    }
}

void addCooling(const FakeTree &tree, int device, const char *type, const char *state)
{
    const QString directory = QStringLiteral("sys/class/thermal/cooling_device%1/").arg(device);
    tree.write(directory + QStringLiteral("type"), QByteArray(type) + '\n');
    tree.write(directory + QStringLiteral("cur_state"), QByteArray(state) + '\n');
}

QString throttleFile(int cpu)
{
    return QStringLiteral("sys/devices/system/cpu/cpu%1/thermal_throttle/package_throttle_total_time_ms").arg(cpu);
}

const QList<std::pair<const char *, const char *>> acpiTrips = {
    {"critical", "100000"}, {"passive", "80000"}, {"active0", "70000"}};

} // namespace

class LinuxThermalStateTest : public QObject
{
    Q_OBJECT

private slots:
    void levels_data()
    {
        QTest::addColumn<int>("setup");
        QTest::addColumn<std::optional<qint64>>("state");
        QTest::newRow("nothing offered") << 0 << std::optional<qint64>();
        QTest::newRow("cool zone") << 1 << std::optional<qint64>(0);
        QTest::newRow("above active trip") << 2 << std::optional<qint64>(1);
        QTest::newRow("near passive trip") << 3 << std::optional<qint64>(1);
        QTest::newRow("at passive trip") << 4 << std::optional<qint64>(2);
        QTest::newRow("near critical trip") << 5 << std::optional<qint64>(3);
        QTest::newRow("hot trip") << 6 << std::optional<qint64>(3);
        QTest::newRow("package zone ignored") << 7 << std::optional<qint64>();
        QTest::newRow("zero trips ignored") << 8 << std::optional<qint64>();
        QTest::newRow("processor cooling active") << 9 << std::optional<qint64>(2);
        QTest::newRow("fan cooling does not count") << 10 << std::optional<qint64>();
        QTest::newRow("worst zone wins") << 11 << std::optional<qint64>(2);
    }
    void levels()
    {
        QFETCH(int, setup);
        QFETCH(std::optional<qint64>, state);
        FakeTree tree;
        tree.write(QStringLiteral("sys/class/thermal/.keep"), "");
        switch (setup) {
        case 1: addZone(tree, 0, "acpitz", "37000", acpiTrips); break;
        case 2: addZone(tree, 0, "acpitz", "70000", acpiTrips); break;
        case 3: addZone(tree, 0, "acpitz", "70001", {{"passive", "80000"}}); break;
        case 4: addZone(tree, 0, "acpitz", "80000", acpiTrips); break;
        case 5: addZone(tree, 0, "acpitz", "95000", acpiTrips); break;
        case 6: addZone(tree, 0, "acpitz", "60000", {{"hot", "60000"}}); break;
        case 7: addZone(tree, 0, "x86_pkg_temp", "99000", {{"passive", "0"}, {"critical", "50000"}}); break;
        case 8: addZone(tree, 0, "acpitz", "50000", {{"passive", "0"}, {"critical", "-1"}}); break;
        case 9: addCooling(tree, 0, "Processor", "3"); break;
        case 10: addCooling(tree, 0, "Fan", "1"); break;
        case 11:
            addZone(tree, 0, "acpitz", "37000", acpiTrips);
            addZone(tree, 1, "pch", "81000", {{"passive", "80000"}});
            addCooling(tree, 0, "intel_powerclamp", "0");
            break;
        }
        const auto sleeper = std::make_shared<RecordingSleeper>();
        QCOMPARE(LinuxThermalState(tree.root(), sleeper).thermalState(), state);
        QVERIFY(sleeper->pauses().isEmpty());
    }

    void throttling_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<std::optional<qint64>>("state");
        QTest::newRow("never throttled") << QByteArray("500") << QByteArray("500") << std::optional<qint64>(0);
        QTest::newRow("a little") << QByteArray("500") << QByteArray("519") << std::optional<qint64>(1);
        QTest::newRow("a tenth of the window") << QByteArray("500") << QByteArray("520") << std::optional<qint64>(2);
        QTest::newRow("counter reset") << QByteArray("500") << QByteArray("3") << std::optional<qint64>(0);
        QTest::newRow("jump past the window")
            << QByteArray("0") << QByteArray("9223372036854775807") << std::optional<qint64>(2);
        QTest::newRow("negative junk before")
            << QByteArray("-9223372036854775808") << QByteArray("9223372036854775807") << std::optional<qint64>(0);
        QTest::newRow("negative junk after")
            << QByteArray("9223372036854775807") << QByteArray("-9223372036854775808") << std::optional<qint64>(0);
        QTest::newRow("beyond 64 bits") << QByteArray("500") << QByteArray("18446744073709551616")
                                        << std::optional<qint64>(0);
    }
    void throttling()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(std::optional<qint64>, state);
        FakeTree tree;
        // A steady package beside the one under test keeps the window open.
        tree.write(throttleFile(0), "500\n");
        tree.write(throttleFile(1), before + '\n');
        const auto sleeper = std::make_shared<RecordingSleeper>([&] { tree.write(throttleFile(1), after + '\n'); });
        QCOMPARE(LinuxThermalState(tree.root(), sleeper, 200ms).thermalState(), state);
        QCOMPARE(sleeper->pauses(), QList<std::chrono::milliseconds> {200ms});
    }
};

QTEST_GUILESS_MAIN(LinuxThermalStateTest)
#include "tst_linuxthermalstate.moc"
