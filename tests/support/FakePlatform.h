#pragma once

#include "platform/Platform.h"
#include "platform/SmcKeyTable.h"

#include <QByteArray>
#include <QVariantMap>

#include <optional>

// A simulated machine: what its battery service, hardware overview, system
// controls, SMC and thermal state would report. Absent members stand for a
// source that gives nothing (no SMC: it cannot be opened).
struct SimulatedMachine
{
    std::optional<QVariantMap> batteryProperties;
    std::optional<QByteArray> overviewJson;
    std::optional<QString> hwModel;
    std::optional<QList<SmcKey>> smcKeys;
    std::optional<qint64> thermalState;
};

Platform makeFakePlatform(const SimulatedMachine &machine);
