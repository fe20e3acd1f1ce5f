#include "platform/linux/LinuxThermalState.h"
#include "support/FakeTree.h"
#include "support/RecordingSleeper.h"

#include <QTest>

#include <functional>

using namespace std::chrono_literals;

namespace {

// Trip points as type and limit (m°C).
using Trips = QList<std::pair<const char *, const char *>>;
// Writes the thermal files a row's machine offers.
using Setup = std::function<void(const FakeTree &)>;

// A zone at the given temperature (m°C) with its trips.
void addZone(const FakeTree &tree, int zone, const char *type, const char *temperature, const Trips &trips)
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

const Trips acpiTrips = {{"critical", "100000"}, {"passive", "80000"}, {"active0", "70000"}};

} // namespace

Q_DECLARE_METATYPE(Setup)

class LinuxThermalStateTest : public QObject
{
    Q_OBJECT

private slots:
    void levels_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<std::optional<qint64>>("state");
        const auto row = [](const char *tag, std::optional<qint64> state, Setup setup) {
            QTest::newRow(tag) << setup << state;
        };
        const auto zone = [](const char *type, const char *temperature, const Trips &trips) {
            return Setup([=](const FakeTree &tree) { addZone(tree, 0, type, temperature, trips); });
        };
        const auto cooling = [](const char *type, const char *state) {
            return Setup([=](const FakeTree &tree) { addCooling(tree, 0, type, state); });
        };
        row("nothing offered", {}, [](const FakeTree &) {});
        row("cool zone", 0, zone("acpitz", "37000", acpiTrips));
        row("above active trip", 1, zone("acpitz", "70000", acpiTrips));
        row("near passive trip", 1, zone("acpitz", "70001", {{"passive", "80000"}}));
        row("at passive trip", 2, zone("acpitz", "80000", acpiTrips));
        row("near critical trip", 3, zone("acpitz", "95000", acpiTrips));
        row("hot trip", 3, zone("acpitz", "60000", {{"hot", "60000"}}));
        row("package zone ignored", {}, zone("x86_pkg_temp", "99000", {{"passive", "0"}, {"critical", "50000"}}));
        row("zero trips ignored", {}, zone("acpitz", "50000", {{"passive", "0"}, {"critical", "-1"}}));
        row("processor cooling active", 2, cooling("Processor", "3"));
        row("fan cooling does not count", {}, cooling("Fan", "1"));
        row("worst zone wins", 2, [](const FakeTree &tree) {
            addZone(tree, 0, "acpitz", "37000", acpiTrips);
            addZone(tree, 1, "pch", "81000", {{"passive", "80000"}});
            addCooling(tree, 0, "intel_powerclamp", "0");
        });
    }
    void levels()
    {
        QFETCH(Setup, setup);
        QFETCH(std::optional<qint64>, state);
        FakeTree tree;
        tree.write(QStringLiteral("sys/class/thermal/.keep"), "");
        setup(tree);
        const auto sleeper = std::make_shared<RecordingSleeper>();
        QCOMPARE(LinuxThermalState(tree.root(), sleeper).thermalState(), state);
        QVERIFY(sleeper->pauses().isEmpty());
    }

    void throttling_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<std::optional<qint64>>("state");
        const auto row = [](const char *tag, const char *before, const char *after, std::optional<qint64> state) {
            QTest::newRow(tag) << QByteArray(before) << QByteArray(after) << state;
        };
        row("never throttled", "500", "500", 0);
        row("a little", "500", "519", 1);
        row("a tenth of the window", "500", "520", 2);
        row("counter reset", "500", "3", 0);
        row("jump past the window", "0", "9223372036854775807", 2);
        row("negative junk before", "-9223372036854775808", "9223372036854775807", 0);
        row("negative junk after", "9223372036854775807", "-9223372036854775808", 0);
        row("beyond 64 bits", "500", "18446744073709551616", 0);
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
