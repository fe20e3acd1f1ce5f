#pragma once

#include "machine/SystemThermalState.h"
#include "machine/TemperatureSensor.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// A namespace of its own gives the verdict its names at run time.
namespace ThermalVerdicts {
Q_NAMESPACE
enum class ThermalVerdict {
    good,
    elevated,
    cleaningNeeded,
    unavailable,
};
Q_ENUM_NS(ThermalVerdict)
} // namespace ThermalVerdicts

using ThermalVerdicts::ThermalVerdict;

// The category's limits in °C: from "elevated" on a sensor is rated warm,
// from "cleaning" on it calls for a cleaning.
struct ThermalLimits
{
    int elevated;
    int cleaning;
};

ThermalLimits thermalLimits(ThermalSensorCategory category);

struct ThermalEvaluation
{
    ThermalVerdict verdict = ThermalVerdict::unavailable;
    QStringList reasons;
    QString explanation;
};

// Rates the sensors' averages against their category's limits together with
// the system's thermal state; at most eight reasons, in the order found.
ThermalEvaluation evaluateThermal(const QList<TemperatureSensor> &sensors, SystemThermalState state);
