#include "battery/BatteryVariants.h"

#include "machine/RepairPages.h"

#include <QVariantList>

namespace {

template<typename T>
void insertPresent(QVariantMap &map, const char *key, const std::optional<T> &value)
{
    if (value)
        map.insert(QLatin1String(key), QVariant::fromValue(*value));
}

} // namespace

QVariantMap toVariantMap(const BatterySnapshot &snapshot)
{
    QVariantMap map {
        {QStringLiteral("modelName"), snapshot.modelName},
        {QStringLiteral("modelIdentifier"), snapshot.modelIdentifier},
        {QStringLiteral("family"), rawValue(snapshot.family)},
        {QStringLiteral("familyName"), displayName(snapshot.family)},
    };
    insertPresent(map, "healthPercent", snapshot.healthPercent);
    insertPresent(map, "cycleCount", snapshot.cycleCount);
    insertPresent(map, "fullChargeCapacityMAh", snapshot.fullChargeCapacityMAh);
    insertPresent(map, "designCapacityMAh", snapshot.designCapacityMAh);
    insertPresent(map, "chargePercent", snapshot.chargePercent);
    insertPresent(map, "macOSCondition", snapshot.macOSCondition);
    insertPresent(map, "isCharging", snapshot.isCharging);
    insertPresent(map, "externalPowerConnected", snapshot.externalPowerConnected);
    if (const auto page = batteryRepairURL(snapshot.family))
        map.insert(QStringLiteral("batteryPage"), *page);
    return map;
}

QVariantMap toVariantMap(const BatteryEvaluation &evaluation)
{
    return {
        {QStringLiteral("verdict"), rawValue(evaluation.verdict)},
        {QStringLiteral("reasons"), evaluation.reasons},
        {QStringLiteral("explanation"), evaluation.explanation},
    };
}

QString rawValue(BatteryVerdict verdict)
{
    switch (verdict) {
    case BatteryVerdict::good: return QStringLiteral("good");
    case BatteryVerdict::soon: return QStringLiteral("soon");
    case BatteryVerdict::replace: return QStringLiteral("replace");
    case BatteryVerdict::unavailable: break;
    }
    return QStringLiteral("unavailable");
}
