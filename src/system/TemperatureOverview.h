#pragma once

#include "machine/ThermalReport.h"
#include "ui/Tint.h"

#include <QList>
#include <QString>

// The hottest sensor of one category, as its mini card shows it.
struct TemperatureCard
{
    Q_GADGET
    QML_VALUE_TYPE(temperatureCard)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString value MEMBER value CONSTANT)
    Q_PROPERTY(QString detail MEMBER detail CONSTANT)
    Q_PROPERTY(Tints::Tint tint MEMBER tint CONSTANT)

public:
    QString title;
    QString value;
    QString detail;
    Tint tint = Tint::Neutral;

    bool operator==(const TemperatureCard &) const = default;
};

// One line of the full sensor list.
struct SensorRow
{
    Q_GADGET
    QML_VALUE_TYPE(sensorRow)
    Q_PROPERTY(QString name MEMBER name CONSTANT)
    Q_PROPERTY(QString details MEMBER details CONSTANT)
    Q_PROPERTY(QString average MEMBER average CONSTANT)

public:
    QString name;
    QString details;
    QString average;

    bool operator==(const SensorRow &) const = default;
};

// The temperature panel's content, numbers written in the user's locale.
struct TemperatureOverview
{
    Q_GADGET
    QML_VALUE_TYPE(temperatureOverview)
    Q_PROPERTY(QString thermalState MEMBER thermalState CONSTANT)
    Q_PROPERTY(QList<TemperatureCard> cards MEMBER cards CONSTANT)
    Q_PROPERTY(QString summary MEMBER summary CONSTANT)
    Q_PROPERTY(QList<SensorRow> sensors MEMBER sensors CONSTANT)

public:
    QString thermalState;
    // CPU, GPU, battery and storage, in this order.
    QList<TemperatureCard> cards;
    // The warmest sensor, or why there is none.
    QString summary;
    QList<SensorRow> sensors;

    bool operator==(const TemperatureOverview &) const = default;
};

TemperatureOverview temperatureOverview(const ThermalReport &report);
