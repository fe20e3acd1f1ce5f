#pragma once

#include "machine/SystemThermalState.h"
#include "machine/TemperatureSensor.h"

#include <QList>
#include <QString>

// The result of one temperature sampling run.
struct ThermalReport
{
    QList<TemperatureSensor> sensors;
    SystemThermalState systemThermalState = SystemThermalState::unknown;
    QString sourceDescription;
};
