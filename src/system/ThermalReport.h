#pragma once

#include "system/SystemThermalState.h"
#include "system/TemperatureSensor.h"

#include <QList>
#include <QString>

// The result of one temperature sampling run.
struct ThermalReport
{
    QList<TemperatureSensor> sensors;
    SystemThermalState systemThermalState = SystemThermalState::unknown;
    QString sourceDescription;
};
