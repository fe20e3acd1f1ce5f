#include "platform/linux/LinuxBatteryService.h"

#include "platform/linux/SysfsAttribute.h"

#include <QDir>

#include <cmath>

namespace {

class PowerSupply
{
public:
    explicit PowerSupply(QString directory)
        : m_directory(std::move(directory))
    {
    }

    QString name() const { return QDir(m_directory).dirName(); }
    std::optional<QString> text(const char *attribute) const
    {
        return readAttribute(m_directory + QLatin1Char('/') + QLatin1String(attribute));
    }
    std::optional<qint64> integer(const char *attribute) const
    {
        return readIntegerAttribute(m_directory + QLatin1Char('/') + QLatin1String(attribute));
    }
    bool isPeripheral() const { return text("scope") == QStringLiteral("Device"); }

private:
    QString m_directory;
};

QList<PowerSupply> powerSupplies(const QString &root)
{
    const QDir directory(QDir(root).filePath(QStringLiteral("sys/class/power_supply")));
    QList<PowerSupply> supplies;
    for (const QString &name : directory.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        supplies.append(PowerSupply(directory.filePath(name)));
    return supplies;
}

bool isSystemBattery(const PowerSupply &supply)
{
    return supply.text("type") == QStringLiteral("Battery") && !supply.isPeripheral() &&
        supply.integer("present").value_or(1) != 0;
}

// The internal battery, preferring the names the laptop drivers give it.
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

// External power as the adapters report it. The Smart Battery charger of
// Intel Macs always reads online, and on Apple silicon the port controller's
// supply can stay online after unplugging while the SMC's adapter is right.
std::optional<bool> externalPowerConnected(const QList<PowerSupply> &supplies, const std::optional<QString> &status)
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
    if (!status || *status == QLatin1String("Unknown"))
        return std::nullopt;
    return *status == QLatin1String("Charging") || *status == QLatin1String("Full") ||
        *status == QLatin1String("Not charging");
}

qint64 roundedDivision(qint64 numerator, qint64 denominator)
{
    return static_cast<qint64>(std::llround(static_cast<double>(numerator) / static_cast<double>(denominator)));
}

// A capacity in mAh from charge_<kind> (µAh), or from energy_<kind> (µWh)
// through the design voltage so that design and full stay comparable.
std::optional<qint64> capacityMAh(const PowerSupply &battery, const char *kind)
{
    if (const auto charge = battery.integer(qPrintable(QStringLiteral("charge_%1").arg(QLatin1String(kind)))))
        return roundedDivision(*charge, 1000);
    const auto energy = battery.integer(qPrintable(QStringLiteral("energy_%1").arg(QLatin1String(kind))));
    if (!energy)
        return std::nullopt;
    auto voltage = battery.integer("voltage_min_design");
    if (!voltage || *voltage <= 0)
        voltage = battery.integer("voltage_now");
    if (!voltage || *voltage <= 0)
        return std::nullopt;
    return static_cast<qint64>(std::llround(1000.0 * static_cast<double>(*energy) / static_cast<double>(*voltage)));
}

QVariantMap describe(const PowerSupply &battery, const QList<PowerSupply> &supplies)
{
    QVariantMap properties;
    const auto put = [&properties](const char *key, const auto &value) {
        if (value)
            properties.insert(QLatin1String(key), QVariant::fromValue(*value));
    };
    const auto status = battery.text("status");

    properties.insert(QStringLiteral("BatteryInstalled"), true);
    put("DeviceName", battery.text("model_name"));
    put("Serial", battery.text("serial_number"));
    if (const auto cycles = battery.integer("cycle_count"); cycles && *cycles > 0)
        properties.insert(QStringLiteral("CycleCount"), *cycles);
    put("DesignCapacity", capacityMAh(battery, "full_design"));
    put("NominalChargeCapacity", capacityMAh(battery, "full"));
    put("AppleRawCurrentCapacity", capacityMAh(battery, "now"));
    if (const auto percent = battery.integer("capacity")) {
        properties.insert(QStringLiteral("CurrentCapacity"), *percent);
        properties.insert(QStringLiteral("MaxCapacity"), qint64(100));
    }
    if (status && *status != QLatin1String("Unknown")) {
        properties.insert(QStringLiteral("IsCharging"), *status == QLatin1String("Charging"));
        properties.insert(QStringLiteral("FullyCharged"), *status == QLatin1String("Full"));
    }
    put("ExternalConnected", externalPowerConnected(supplies, status));
    if (const auto voltage = battery.integer("voltage_now"))
        properties.insert(QStringLiteral("Voltage"), roundedDivision(*voltage, 1000));
    if (auto current = battery.integer("current_now")) {
        // Several drivers report the magnitude only; the status gives the sign.
        if (*current > 0 && status == QStringLiteral("Discharging"))
            *current = -*current;
        properties.insert(QStringLiteral("Amperage"), roundedDivision(*current, 1000));
    }
    put("Temperature", battery.integer("temp"));
    if (const auto health = battery.text("health"); health && *health != QLatin1String("Unknown"))
        properties.insert(QStringLiteral("Condition"), *health);
    return properties;
}

} // namespace

LinuxBatteryService::LinuxBatteryService(QString root)
    : m_root(std::move(root))
{
}

std::optional<QVariantMap> LinuxBatteryService::properties(const QStringList &keys) const
{
    const QList<PowerSupply> supplies = powerSupplies(m_root);
    const auto battery = internalBattery(supplies);
    if (!battery)
        return std::nullopt;
    QVariantMap properties = describe(*battery, supplies);
    for (auto it = properties.begin(); it != properties.end();) {
        if (keys.contains(it.key()))
            ++it;
        else
            it = properties.erase(it);
    }
    return properties;
}
