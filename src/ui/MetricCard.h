#pragma once

#include "ui/Tint.h"

#include <QString>

// One measured value as Battery111MetricCard shows it, written out already.
struct MetricCard
{
    Q_GADGET
    QML_VALUE_TYPE(metricCard)
    Q_PROPERTY(QString symbol MEMBER symbol CONSTANT)
    Q_PROPERTY(QString value MEMBER value CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString subtitle MEMBER subtitle CONSTANT)
    Q_PROPERTY(Tints::Tint tint MEMBER tint CONSTANT)

public:
    QString symbol;
    QString value;
    QString title;
    QString subtitle;
    Tint tint = Tint::Neutral;

    bool operator==(const MetricCard &) const = default;
};
