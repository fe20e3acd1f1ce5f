#include "platform/linux/LinuxThermalState.h"

#include "platform/linux/SysfsAttribute.h"

#include <QDir>
#include <QMap>

#include <algorithm>

namespace {

enum Level : qint64 { none = -1, nominal = 0, fair = 1, serious = 2, critical = 3 };

QStringList subdirectories(const QDir &directory, const QString &pattern)
{
    QStringList paths;
    for (const QString &name : directory.entryList({pattern}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        paths.append(directory.filePath(name));
    return paths;
}

// A zone rates by its hottest trip reached; the processor's package zone
// has trips anyone may set, so it does not count.
qint64 zoneLevel(const QString &zone)
{
    if (readAttribute(zone + QStringLiteral("/type")) == QStringLiteral("x86_pkg_temp"))
        return none;
    const auto temperature = readIntegerAttribute(zone + QStringLiteral("/temp"));
    if (!temperature)
        return none;
    qint64 level = none;
    for (int trip = 0;; ++trip) {
        const QString prefix = zone + QStringLiteral("/trip_point_%1_").arg(trip);
        const auto type = readAttribute(prefix + QStringLiteral("type"));
        if (!type)
            break;
        const auto limit = readIntegerAttribute(prefix + QStringLiteral("temp"));
        if (!limit || *limit <= 0)
            continue;
        qint64 reached = nominal;
        if (*type == QLatin1String("hot") && *temperature >= *limit)
            reached = critical;
        else if (*type == QLatin1String("critical") && *temperature >= *limit - 5000)
            reached = critical;
        else if (*type == QLatin1String("passive") && *temperature >= *limit)
            reached = serious;
        else if (*type == QLatin1String("passive") && *temperature >= *limit - 10000)
            reached = fair;
        else if (type->startsWith(QLatin1String("active")) && *temperature >= *limit)
            reached = fair;
        level = std::max(level, reached);
    }
    return level;
}

bool isPassiveCooling(const QString &type)
{
    return type == QLatin1String("Processor") || type == QLatin1String("intel_powerclamp") ||
        type.startsWith(QLatin1String("cpufreq-")) || type.startsWith(QLatin1String("thermal-cpufreq-"));
}

qint64 coolingLevel(const QString &device)
{
    const auto type = readAttribute(device + QStringLiteral("/type"));
    if (!type || !isPassiveCooling(*type))
        return none;
    const auto state = readIntegerAttribute(device + QStringLiteral("/cur_state"));
    if (!state)
        return none;
    return *state > 0 ? serious : nominal;
}

// Milliseconds each processor package spent throttled since boot. The
// kernel counts upwards from zero; anything else is not a reading.
QMap<QString, quint64> throttleTimes(const QDir &cpus)
{
    QMap<QString, quint64> times;
    for (const QString &cpu : subdirectories(cpus, QStringLiteral("cpu*"))) {
        const auto total =
            readIntegerAttribute(cpu + QStringLiteral("/thermal_throttle/package_throttle_total_time_ms"));
        if (total && *total >= 0)
            times.insert(cpu, quint64(*total));
    }
    return times;
}

// The longest a package was throttled in the window. A counter that went
// back was reset and tells nothing; one that ran ahead of the window is
// taken as throttled throughout.
quint64 throttledDuring(const QMap<QString, quint64> &before, const QMap<QString, quint64> &after, quint64 window)
{
    quint64 throttled = 0;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        const auto start = before.constFind(it.key());
        if (start != before.cend() && it.value() >= start.value())
            throttled = std::max(throttled, std::min(it.value() - start.value(), window));
    }
    return throttled;
}

} // namespace

LinuxThermalState::LinuxThermalState(QString root, std::shared_ptr<const Sleeper> sleeper,
                                     std::chrono::milliseconds throttleWindow)
    : m_root(std::move(root))
    , m_sleeper(std::move(sleeper))
    , m_throttleWindow(throttleWindow)
{
}

std::optional<qint64> LinuxThermalState::thermalState() const
{
    const QDir sys(QDir(m_root).filePath(QStringLiteral("sys")));
    const QDir thermal(sys.filePath(QStringLiteral("class/thermal")));
    qint64 level = none;
    for (const QString &zone : subdirectories(thermal, QStringLiteral("thermal_zone*")))
        level = std::max(level, zoneLevel(zone));
    for (const QString &device : subdirectories(thermal, QStringLiteral("cooling_device*")))
        level = std::max(level, coolingLevel(device));

    const QDir cpus(sys.filePath(QStringLiteral("devices/system/cpu")));
    const QMap<QString, quint64> before = throttleTimes(cpus);
    if (!before.isEmpty() && m_throttleWindow.count() > 0) {
        m_sleeper->sleep(m_throttleWindow);
        const auto window = quint64(m_throttleWindow.count());
        const quint64 throttled = throttledDuring(before, throttleTimes(cpus), window);
        // A tenth of the window or more is serious.
        const bool often = throttled >= (window + 9) / 10;
        level = std::max<qint64>(level, often ? serious : throttled > 0 ? fair : nominal);
    }
    if (level == none)
        return std::nullopt;
    return level;
}
