#pragma once

#include "platform/Platform.h"
#include "platform/smc/SmcKeyTable.h"
#include "support/FakeMediaCapture.h"

#include <QByteArray>
#include <QList>
#include <QVariantMap>

#include <optional>

// A simulated machine: what its battery service, hardware overview and system
// controls would report. Absent members stand for a source that gives nothing.
struct SimulatedMachine
{
    std::optional<QVariantMap> batteryProperties;
    std::optional<QByteArray> overviewJson;
    std::optional<QString> hwModel;
    // The process list round by round; every measurement replays it from the
    // start, and rounds beyond it read as failed.
    QList<QList<ProcessRow>> processRounds;
    // The SMC's keys; without any the SMC cannot be opened.
    QList<SmcKey> smcKeys;
    // Keys the SMC lists but whose value cannot be read.
    QList<std::uint32_t> unreadableSmcKeys;
    // The operating system's thermal state (0 nominal ... 3 critical).
    std::optional<qint64> thermalState;
    ProvidingPowerSource powerSource = ProvidingPowerSource::unknown;
    SimulatedMediaDevices media;
};

Platform makeFakePlatform(const SimulatedMachine &machine);
