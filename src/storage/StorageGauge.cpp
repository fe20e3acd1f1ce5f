#include "storage/StorageGauge.h"

#include "storage/StorageEvaluation.h"

#include <algorithm>

bool StorageGauges::showsRead(double progress)
{
    return progress >= 0.56;
}

double StorageGauges::needleAngle(double speed)
{
    if (!(speed > 0))
        return restAngle;
    return restAngle + sweepAngle * std::min(speed / fullScaleMBps, 1.0);
}

QString StorageGauge::directionLabel(double progress) const
{
    return StorageGauges::showsRead(progress) ? QStringLiteral("LESEN") : QStringLiteral("SCHREIBEN");
}

double StorageGauge::needleAngle(const QVariant &speed) const
{
    return StorageGauges::needleAngle(speedOf(speed).value_or(0.0));
}

QString StorageGauge::dialText(const QVariant &speed) const
{
    const std::optional<double> value = speedOf(speed);
    return value ? QString::number(static_cast<qint64>(*value)) : QStringLiteral("…");
}

QString StorageGauge::liveText(const QVariant &speed) const
{
    const std::optional<double> value = speedOf(speed);
    return value ? formatMBps(*value) : QStringLiteral("–");
}

std::optional<double> StorageGauge::speedOf(const QVariant &speed)
{
    if (speed.metaType() != QMetaType::fromType<double>())
        return std::nullopt;
    return speed.toDouble();
}
