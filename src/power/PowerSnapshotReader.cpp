#include "power/PowerSnapshotReader.h"

#include "machine/BatteryReader.h"

#include <cmath>
#include <initializer_list>

namespace {

using Keys = std::initializer_list<const char *>;

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double: return true;
    default: return false;
    }
}

// A number's integer value, or a text that is a whole decimal number with an
// optional sign: "+65" and "-3" count, "65W" and "6.5" do not.
std::optional<qint64> strictInteger(const QVariant &value)
{
    if (value.typeId() == QMetaType::Double) {
        const double number = value.toDouble();
        if (!std::isfinite(number) || std::abs(number) >= 9.2e18)
            return std::nullopt;
        return static_cast<qint64>(number);
    }
    if (value.typeId() == QMetaType::ULongLong) {
        bool fits = false;
        const qint64 number = value.toString().toLongLong(&fits);
        return fits ? std::optional(number) : std::nullopt;
    }
    if (isNumber(value))
        return value.toLongLong();
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString text = value.toString();
    const QStringView digits = text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-'))
        ? QStringView(text).mid(1)
        : QStringView(text);
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool fits = false;
    const qint64 number = text.toLongLong(&fits);
    return fits ? std::optional(number) : std::nullopt;
}

std::optional<qint64> integerUnder(const QVariantMap &dictionary, Keys keys)
{
    for (const char *key : keys) {
        if (const auto number = strictInteger(dictionary.value(QLatin1String(key))))
            return number;
    }
    return std::nullopt;
}

std::optional<QString> textUnder(const QVariantMap &dictionary, Keys keys)
{
    for (const char *key : keys) {
        const QVariant value = dictionary.value(QLatin1String(key));
        if (value.typeId() == QMetaType::QString && !value.toString().isEmpty())
            return value.toString();
    }
    return std::nullopt;
}

std::optional<bool> booleanUnder(const QVariantMap &dictionary, const char *key)
{
    const QVariant value = dictionary.value(QLatin1String(key));
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::Double)
        return value.toDouble() != 0.0;
    if (isNumber(value))
        return value.toLongLong() != 0;
    return std::nullopt;
}

// The first value that is known; false when none is.
bool firstKnown(std::initializer_list<std::optional<bool>> candidates)
{
    for (const std::optional<bool> &candidate : candidates) {
        if (candidate)
            return *candidate;
    }
    return false;
}

QVariantMap adapterDictionary(const QVariantMap &registry)
{
    for (const char *key : {"AdapterDetails", "ChargerData"}) {
        const QVariant value = registry.value(QLatin1String(key));
        if (value.typeId() == QMetaType::QVariantMap)
            return value.toMap();
    }
    return {};
}

} // namespace

const QStringList &powerRegistryKeys()
{
    static const QStringList keys {QStringLiteral("AdapterDetails"),    QStringLiteral("ChargerData"),
                                   QStringLiteral("ExternalConnected"), QStringLiteral("AppleRawExternalConnected"),
                                   QStringLiteral("IsCharging"),        QStringLiteral("Voltage"),
                                   QStringLiteral("Amperage")};
    return keys;
}

PowerSnapshot powerSnapshot(const BatterySnapshot &battery, const QVariantMap &registry)
{
    const QVariantMap adapter = adapterDictionary(registry);
    PowerSnapshot snapshot;
    snapshot.externalConnected =
        firstKnown({battery.externalPowerConnected, booleanUnder(registry, "ExternalConnected"),
                    booleanUnder(registry, "AppleRawExternalConnected")});
    snapshot.isCharging = firstKnown({battery.isCharging, booleanUnder(registry, "IsCharging")});
    snapshot.chargePercent = battery.chargePercent;
    snapshot.adapterWatts = integerUnder(adapter, {"Watts", "Wattage", "AdapterWattage"});
    snapshot.adapterVoltageMV = integerUnder(adapter, {"Voltage", "AdapterVoltage"});
    snapshot.adapterCurrentMA = integerUnder(adapter, {"Current", "Amperage", "AdapterCurrent"});
    snapshot.adapterName = textUnder(adapter, {"Description", "Name", "Manufacturer"});
    snapshot.batteryVoltageMV = integerUnder(registry, {"Voltage"});
    snapshot.batteryAmperageMA = integerUnder(registry, {"Amperage"});
    return snapshot;
}

PowerReading readPowerSnapshot(const Platform &platform)
{
    const BatterySnapshot battery = BatteryReader(platform).read();
    const QVariantMap registry = platform.batteryService->properties(powerRegistryKeys()).value_or(QVariantMap());
    return {powerSnapshot(battery, registry), battery.family};
}
