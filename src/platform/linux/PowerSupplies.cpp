#include "platform/linux/PowerSupplies.h"

#include "platform/linux/SysfsAttribute.h"

#include <QDir>

#include <algorithm>
#include <cmath>

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

namespace {

// The supplies that tell whether an adapter is connected. The Smart Battery
// charger of Intel Macs always reads online, and on Apple silicon the port
// controller's supply can stay online after unplugging while the SMC's
// adapter is right.
QList<PowerSupply> trustedAdapters(const QList<PowerSupply> &supplies)
{
    const bool hasSmcAdapter = std::any_of(supplies.begin(), supplies.end(),
                                           [](const PowerSupply &s) { return s.name() == QLatin1String("macsmc-ac"); });
    QList<PowerSupply> adapters;
    for (const PowerSupply &supply : supplies) {
        const auto type = supply.text("type");
        if (!type || *type == QLatin1String("Battery") || supply.isPeripheral())
            continue;
        const QString name = supply.name();
        if (name == QLatin1String("sbs-charger") || (hasSmcAdapter && name != QLatin1String("macsmc-ac")))
            continue;
        if (supply.integer("online"))
            adapters.append(supply);
    }
    return adapters;
}

std::optional<PowerSupply> onlineAdapter(const QList<PowerSupply> &supplies)
{
    for (const PowerSupply &adapter : trustedAdapters(supplies)) {
        if (adapter.integer("online").value_or(0) > 0)
            return adapter;
    }
    return std::nullopt;
}

} // namespace

std::optional<bool> externalPowerConnected(const QList<PowerSupply> &supplies,
                                           const std::optional<QString> &batteryStatus)
{
    if (!trustedAdapters(supplies).isEmpty())
        return onlineAdapter(supplies).has_value();
    if (!batteryStatus || *batteryStatus == QLatin1String("Unknown"))
        return std::nullopt;
    return *batteryStatus == QLatin1String("Charging") || *batteryStatus == QLatin1String("Full") ||
        *batteryStatus == QLatin1String("Not charging");
}

std::optional<QVariantMap> adapterDetails(const QList<PowerSupply> &supplies)
{
    const auto adapter = onlineAdapter(supplies);
    if (!adapter)
        return std::nullopt;
    QVariantMap details;
    const auto voltage = adapter->integer("voltage_now");
    const auto current = adapter->integer("current_now");
    // The SMC's input limit where there is one, else the negotiated contract.
    if (const auto limit = adapter->integer("input_power_limit"); limit && *limit > 0)
        details.insert(QStringLiteral("Watts"), qint64(std::llround(double(*limit) / 1e6)));
    else if (voltage && current && *voltage > 0 && *current > 0)
        details.insert(QStringLiteral("Watts"), qint64(std::llround(double(*voltage) * double(*current) / 1e12)));
    if (voltage && *voltage > 0)
        details.insert(QStringLiteral("Voltage"), qint64(std::llround(double(*voltage) / 1e3)));
    if (current && *current > 0)
        details.insert(QStringLiteral("Current"), qint64(std::llround(double(*current) / 1e3)));
    if (const auto name = adapter->text("model_name"))
        details.insert(QStringLiteral("Name"), *name);
    if (const auto maker = adapter->text("manufacturer"))
        details.insert(QStringLiteral("Manufacturer"), *maker);
    return details;
}
