#pragma once

#include "platform/Platform.h"

#include <QByteArray>
#include <QVariantMap>

#include <optional>

// A simulated machine: what its battery service, hardware overview and system
// controls would report. Absent members stand for a source that gives nothing.
struct SimulatedMachine
{
    std::optional<QVariantMap> batteryProperties;
    std::optional<QByteArray> overviewJson;
    std::optional<QString> hwModel;
};

Platform makeFakePlatform(const SimulatedMachine &machine);
