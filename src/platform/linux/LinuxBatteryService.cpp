#include "platform/linux/LinuxBatteryService.h"

#include "platform/linux/PowerSupplies.h"

#include <cmath>

namespace {

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

// The battery service publishes tenths of a kelvin; the kernel gives tenths
// of a degree Celsius.
std::optional<double> deciKelvin(std::optional<qint64> deciCelsius)
{
    if (!deciCelsius)
        return std::nullopt;
    return double(*deciCelsius) + 2731.5;
}

// The kernel's health in the battery service's condition words. A passing
// state reads as normal, a fault as a case for service and a dead battery as
// one to replace now. Temperature states come and go with the room and say
// nothing about the battery; calibration concerns the fuel gauge, not wear.
std::optional<QString> condition(const std::optional<QString> &health)
{
    if (!health)
        return std::nullopt;
    if (*health == QLatin1String("Good"))
        return QStringLiteral("Normal");
    if (*health == QLatin1String("Dead"))
        return QStringLiteral("Replace Now");
    static const char *const faults[] = {
        "Over voltage",        "Under voltage", "Unspecified failure", "Watchdog timer expire",
        "Safety timer expire", "Over current",  "Blown fuse",          "Cell imbalance"};
    for (const char *fault : faults) {
        if (*health == QLatin1String(fault))
            return QStringLiteral("Service Recommended");
    }
    return std::nullopt;
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
    put("AdapterDetails", adapterDetails(supplies));
    if (const auto voltage = battery.integer("voltage_now"))
        properties.insert(QStringLiteral("Voltage"), roundedDivision(*voltage, 1000));
    if (auto current = battery.integer("current_now")) {
        // Several drivers report the magnitude only; the status gives the sign.
        if (*current > 0 && status == QStringLiteral("Discharging"))
            *current = -*current;
        properties.insert(QStringLiteral("Amperage"), roundedDivision(*current, 1000));
    }
    put("Temperature", deciKelvin(battery.integer("temp")));
    put("Condition", condition(battery.text("health")));
    return properties;
}

} // namespace

LinuxBatteryService::LinuxBatteryService(QString root)
    : m_root(std::move(root))
{
}

std::optional<QVariantMap> LinuxBatteryService::properties(const QStringList &keys) const
{
    const QList<PowerSupply> supplies = powerSupplies(m_root).value_or(QList<PowerSupply>());
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
