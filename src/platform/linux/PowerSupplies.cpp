#include "platform/linux/PowerSupplies.h"

#include "platform/linux/SysfsAttribute.h"

#include <QDir>

#include <algorithm>

PowerSupply::PowerSupply(QString directory)
    : m_directory(std::move(directory))
{
}

QString PowerSupply::name() const
{
    return QDir(m_directory).dirName();
}

std::optional<QString> PowerSupply::text(const char *attribute) const
{
    return readAttribute(m_directory + QLatin1Char('/') + QLatin1String(attribute));
}

std::optional<qint64> PowerSupply::integer(const char *attribute) const
{
    return readIntegerAttribute(m_directory + QLatin1Char('/') + QLatin1String(attribute));
}

bool PowerSupply::isPeripheral() const
{
    return text("scope") == QStringLiteral("Device");
}

std::optional<QList<PowerSupply>> powerSupplies(const QString &root)
{
    const QDir directory(QDir(root).filePath(QStringLiteral("sys/class/power_supply")));
    if (!directory.exists())
        return std::nullopt;
    QList<PowerSupply> supplies;
    for (const QString &name : directory.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        supplies.append(PowerSupply(directory.filePath(name)));
    return supplies;
}

namespace {

bool isSystemBattery(const PowerSupply &supply)
{
    return supply.text("type") == QStringLiteral("Battery") && !supply.isPeripheral() &&
        supply.integer("present").value_or(1) != 0;
}

} // namespace

std::optional<PowerSupply> internalBattery(const QList<PowerSupply> &supplies)
{
    std::optional<PowerSupply> fallback;
    for (const PowerSupply &supply : supplies) {
        if (!isSystemBattery(supply))
            continue;
        const QString name = supply.name();
        if (name.startsWith(QLatin1String("BAT")) || name == QLatin1String("macsmc-battery"))
            return supply;
        if (!fallback)
            fallback = supply;
    }
    return fallback;
}

// The Smart Battery charger of Intel Macs always reads online, and on Apple
// silicon the port controller's supply can stay online after unplugging
// while the SMC's adapter is right.
std::optional<bool> externalPowerConnected(const QList<PowerSupply> &supplies,
                                           const std::optional<QString> &batteryStatus)
{
    const bool hasSmcAdapter = std::any_of(supplies.begin(), supplies.end(),
                                           [](const PowerSupply &s) { return s.name() == QLatin1String("macsmc-ac"); });
    bool sawAdapter = false;
    for (const PowerSupply &supply : supplies) {
        const auto type = supply.text("type");
        if (!type || *type == QLatin1String("Battery") || supply.isPeripheral())
            continue;
        const QString name = supply.name();
        if (name == QLatin1String("sbs-charger") || (hasSmcAdapter && name != QLatin1String("macsmc-ac")))
            continue;
        const auto online = supply.integer("online");
        if (!online)
            continue;
        sawAdapter = true;
        if (*online > 0)
            return true;
    }
    if (sawAdapter)
        return false;
    if (!batteryStatus || *batteryStatus == QLatin1String("Unknown"))
        return std::nullopt;
    return *batteryStatus == QLatin1String("Charging") || *batteryStatus == QLatin1String("Full") ||
        *batteryStatus == QLatin1String("Not charging");
}
