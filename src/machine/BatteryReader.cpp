#include "machine/BatteryReader.h"

#include "machine/JsonKeySearch.h"
#include "machine/ModelIdentity.h"
#include "platform/values/PropertyValues.h"
#include "platform/values/TextFolding.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr qint64 smallestCapacity = 101;
constexpr qint64 largestCapacity = 99'999;

// The battery service's properties, with its nested BatteryData dictionary
// consulted only where the top level has nothing.
class Registry
{
public:
    explicit Registry(QVariantMap properties)
        : m_top(std::move(properties))
    {
        const QVariant nested = m_top.value(QStringLiteral("BatteryData"));
        if (nested.typeId() == QMetaType::QVariantMap)
            m_nested = nested.toMap();
    }

    template<typename T>
    std::optional<T> first(const QStringList &keys, const std::function<std::optional<T>(const QVariant &)> &read) const
    {
        for (const QVariantMap *dictionary : {&m_top, &m_nested}) {
            for (const QString &key : keys) {
                const auto found = dictionary->constFind(key);
                if (found == dictionary->constEnd())
                    continue;
                if (auto value = read(found.value()))
                    return value;
            }
        }
        return std::nullopt;
    }

    std::optional<qint64> firstInteger(const QStringList &keys) const { return first<qint64>(keys, propertyInteger); }

    std::optional<qint64> firstCapacity(const QStringList &keys) const
    {
        return first<qint64>(keys, [](const QVariant &value) -> std::optional<qint64> {
            const auto capacity = propertyInteger(value);
            if (capacity && *capacity >= smallestCapacity && *capacity <= largestCapacity)
                return capacity;
            return std::nullopt;
        });
    }

    std::optional<QString> firstText(const QStringList &keys) const
    {
        return first<QString>(keys, [](const QVariant &value) -> std::optional<QString> {
            auto text = propertyText(value);
            if (text && !text->isEmpty())
                return text;
            return std::nullopt;
        });
    }

    std::optional<bool> firstBoolean(const QStringList &keys) const { return first<bool>(keys, propertyBoolean); }

    std::optional<qint64> topLevelInteger(const QString &key) const
    {
        const auto found = m_top.constFind(key);
        return found == m_top.constEnd() ? std::nullopt : propertyInteger(found.value());
    }

private:
    QVariantMap m_top;
    QVariantMap m_nested;
};

// Only an explicit "no" counts: a service that does not say is taken at its word.
bool reportsInstalledBattery(const std::optional<QVariantMap> &properties)
{
    if (!properties)
        return false;
    const auto installed = properties->constFind(QStringLiteral("BatteryInstalled"));
    return installed == properties->constEnd() || propertyBoolean(installed.value()).value_or(true);
}

class Overview
{
public:
    explicit Overview(std::optional<QJsonValue> json)
        : m_json(std::move(json))
    {
    }

    bool present() const { return m_json.has_value(); }

    std::optional<QVariant> find(const QStringList &keys) const
    {
        if (!m_json)
            return std::nullopt;
        const auto found = findJsonValue(*m_json, keys);
        if (!found)
            return std::nullopt;
        return found->toVariant();
    }

    std::optional<QString> text(const QStringList &keys) const
    {
        const auto value = find(keys);
        return value ? propertyText(*value) : std::nullopt;
    }
    std::optional<qint64> integer(const QStringList &keys) const
    {
        const auto value = find(keys);
        return value ? propertyInteger(*value) : std::nullopt;
    }
    std::optional<double> number(const QStringList &keys) const
    {
        const auto value = find(keys);
        return value ? propertyDouble(*value) : std::nullopt;
    }
    std::optional<bool> boolean(const QStringList &keys) const
    {
        const auto value = find(keys);
        return value ? propertyBoolean(*value) : std::nullopt;
    }

private:
    std::optional<QJsonValue> m_json;
};

std::optional<QJsonValue> parsedOverview(const HardwareOverview &overview)
{
    const auto bytes = overview.json();
    if (!bytes)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return std::nullopt;
    if (document.isObject())
        return QJsonValue(document.object());
    return QJsonValue(document.array());
}

qint64 clampedPercent(double value)
{
    return std::clamp<qint64>(static_cast<qint64>(std::round(value)), 0, 100);
}

std::optional<double> healthPercent(std::optional<qint64> full, std::optional<qint64> design, const Overview &overview)
{
    if (full && design && *design >= 1) {
        const double ratio = static_cast<double>(*full) / static_cast<double>(*design) * 100.0;
        if (std::isfinite(ratio) && ratio >= 1.0 && ratio <= 150.0)
            return std::min(ratio, 100.0);
    }
    const auto reported = overview.number({QStringLiteral("sppower_battery_health_maximum_capacity"),
                                           QStringLiteral("sppower_battery_maximum_capacity")});
    if (reported && std::isfinite(*reported) && *reported >= 0.0 && *reported <= 150.0)
        return std::min(*reported, 100.0);
    return std::nullopt;
}

std::optional<qint64> chargePercent(const Registry &registry, std::optional<qint64> fullCharge,
                                    const Overview &overview)
{
    if (const auto reported = overview.integer({QStringLiteral("sppower_battery_state_of_charge")}))
        return std::clamp<qint64>(*reported, 0, 100);
    if (const auto stateOfCharge = registry.firstInteger({QStringLiteral("StateOfCharge")});
        stateOfCharge && *stateOfCharge <= 100)
        return stateOfCharge;

    const auto current = registry.topLevelInteger(QStringLiteral("CurrentCapacity"));
    const auto maximum = registry.topLevelInteger(QStringLiteral("MaxCapacity"));
    if (current && *current <= 100 && (!maximum || *maximum <= 100))
        return current;
    if (current && maximum && *current >= 0 && *maximum >= 101)
        return clampedPercent(static_cast<double>(*current) / static_cast<double>(*maximum) * 100.0);

    const auto rawCurrent = registry.firstInteger({QStringLiteral("AppleRawCurrentCapacity")});
    if (fullCharge && *fullCharge >= 1 && rawCurrent)
        return clampedPercent(static_cast<double>(*rawCurrent) / static_cast<double>(*fullCharge) * 100.0);
    return std::nullopt;
}

std::optional<QString> normalizedCondition(const std::optional<QString> &reported)
{
    if (!reported)
        return std::nullopt;
    const QString trimmed = reported->trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QString folded = foldedForComparison(trimmed);
    const auto containsAny = [&folded](std::initializer_list<const char *> words) {
        return std::any_of(words.begin(), words.end(),
                           [&folded](const char *word) { return folded.contains(QLatin1String(word)); });
    };
    if (folded == QLatin1String("normal") || folded == QLatin1String("good") || folded == QLatin1String("gut"))
        return QStringLiteral("Normal");
    if (containsAny({"service recommended", "recommended service", "service battery", "check battery",
                     "service empfohlen", "batterie warten"}))
        return QStringLiteral("Service empfohlen");
    if (containsAny({"replace soon", "bald austauschen"}))
        return QStringLiteral("Bald austauschen");
    if (containsAny({"replace now", "jetzt austauschen"}))
        return QStringLiteral("Jetzt austauschen");
    return trimmed;
}

std::optional<QString> condition(const Registry &registry, const Overview &overview)
{
    const auto failure = registry.firstInteger({QStringLiteral("PermanentFailureStatus")});
    if (failure && *failure != 0)
        return QStringLiteral("Service empfohlen");
    auto reported = overview.text({QStringLiteral("sppower_battery_health")});
    if (!reported)
        reported = registry.firstText({QStringLiteral("Condition"), QStringLiteral("BatteryHealth")});
    return normalizedCondition(reported);
}

} // namespace

BatteryReader::BatteryReader(Platform platform)
    : m_platform(std::move(platform))
{
}

const QStringList &BatteryReader::registryKeys()
{
    static const QStringList keys {QStringLiteral("BatteryInstalled"),
                                   QStringLiteral("DeviceName"),
                                   QStringLiteral("Serial"),
                                   QStringLiteral("CycleCount"),
                                   QStringLiteral("BatteryCycleCount"),
                                   QStringLiteral("DesignCapacity"),
                                   QStringLiteral("AppleDesignCapacity"),
                                   QStringLiteral("NominalChargeCapacity"),
                                   QStringLiteral("AppleRawMaxCapacity"),
                                   QStringLiteral("FullChargeCapacity"),
                                   QStringLiteral("FCC"),
                                   QStringLiteral("MaxCapacity"),
                                   QStringLiteral("AppleRawCurrentCapacity"),
                                   QStringLiteral("CurrentCapacity"),
                                   QStringLiteral("StateOfCharge"),
                                   QStringLiteral("BatteryHealth"),
                                   QStringLiteral("Condition"),
                                   QStringLiteral("PermanentFailureStatus"),
                                   QStringLiteral("IsCharging"),
                                   QStringLiteral("FullyCharged"),
                                   QStringLiteral("ExternalConnected"),
                                   QStringLiteral("AppleRawExternalConnected"),
                                   QStringLiteral("Voltage"),
                                   QStringLiteral("Amperage"),
                                   QStringLiteral("Temperature"),
                                   QStringLiteral("BatteryData")};
    return keys;
}

BatterySnapshot BatteryReader::read() const
{
    const auto properties = m_platform.batteryService->properties(registryKeys());
    const bool installed = reportsInstalledBattery(properties);
    // A desktop Mac's service says no battery is installed and still reports
    // zero cycles and zero charge: those belong to no battery.
    const Registry registry(installed ? *properties : QVariantMap());
    const Overview overview(parsedOverview(*m_platform.hardwareOverview));

    const QString systemIdentifier = modelIdentifier(*m_platform.systemControl);

    BatterySnapshot snapshot;
    snapshot.modelName = overview.text({QStringLiteral("machine_name")}).value_or(fallbackModelName(systemIdentifier));
    snapshot.modelIdentifier = overview.text({QStringLiteral("machine_model")}).value_or(systemIdentifier);
    snapshot.family = detectFamily(snapshot.modelName, snapshot.modelIdentifier);

    auto cycles = overview.integer({QStringLiteral("sppower_battery_cycle_count")});
    if (!cycles)
        cycles = registry.firstInteger({QStringLiteral("CycleCount"), QStringLiteral("BatteryCycleCount")});
    if (cycles && *cycles >= 0 && *cycles <= 99'999)
        snapshot.cycleCount = cycles;

    snapshot.designCapacityMAh =
        registry.firstCapacity({QStringLiteral("DesignCapacity"), QStringLiteral("AppleDesignCapacity")});
    snapshot.fullChargeCapacityMAh = registry.firstCapacity(
        {QStringLiteral("NominalChargeCapacity"), QStringLiteral("AppleRawMaxCapacity"),
         QStringLiteral("FullChargeCapacity"), QStringLiteral("FCC"), QStringLiteral("MaxCapacity")});
    snapshot.healthPercent = healthPercent(snapshot.fullChargeCapacityMAh, snapshot.designCapacityMAh, overview);
    snapshot.chargePercent = chargePercent(registry, snapshot.fullChargeCapacityMAh, overview);
    snapshot.macOSCondition = condition(registry, overview);

    snapshot.isCharging = overview.boolean({QStringLiteral("sppower_battery_is_charging")});
    if (!snapshot.isCharging)
        snapshot.isCharging = registry.firstBoolean({QStringLiteral("IsCharging")});
    snapshot.externalPowerConnected = overview.boolean({QStringLiteral("sppower_battery_external_connected")});
    if (!snapshot.externalPowerConnected)
        snapshot.externalPowerConnected =
            registry.firstBoolean({QStringLiteral("ExternalConnected"), QStringLiteral("AppleRawExternalConnected")});

    if (!snapshot.healthPercent && !installed && !snapshot.cycleCount && !snapshot.chargePercent &&
        !snapshot.macOSCondition) {
        if (snapshot.family != MacBookFamily::unsupported && !overview.present())
            throw BatteryReaderError::systemProfilerFailed;
        throw BatteryReaderError::noBattery;
    }
    return snapshot;
}
