#pragma once

#include "system/SystemThermalState.h"
#include "system/TemperatureSensor.h"

#include <QList>
#include <QString>
#include <QStringList>

enum class ThermalVerdict {
    good,
    elevated,
    cleaningNeeded,
    unavailable,
};

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
