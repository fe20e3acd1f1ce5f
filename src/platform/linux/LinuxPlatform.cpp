#include "platform/MediaCapture.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxBatteryService.h"
#include "platform/linux/LinuxHardwareOverview.h"
#include "platform/linux/LinuxPowerSource.h"
#include "platform/linux/LinuxSmcTransport.h"
#include "platform/linux/LinuxStorageDevice.h"
#include "platform/linux/LinuxSystemControl.h"
#include "platform/linux/LinuxThermalState.h"
#include "platform/linux/LinuxTypecPorts.h"
#include "platform/linux/ProcProcessTable.h"

Platform makeHostPlatform()
{
    Platform platform;
    platform.batteryService = std::make_shared<LinuxBatteryService>();
    platform.hardwareOverview = std::make_shared<LinuxHardwareOverview>();
    platform.systemControl = std::make_shared<LinuxSystemControl>();
    platform.processTable = std::make_shared<ProcProcessTable>();
    platform.smcTransport = std::make_shared<LinuxSmcTransport>();
    platform.thermalState = std::make_shared<LinuxThermalState>();
    platform.powerSource = std::make_shared<LinuxPowerSource>();
    platform.openMediaCapture = openDefaultMediaCapture;
    platform.portControllers = std::make_shared<LinuxTypecPorts>();
    platform.externalPower = std::make_shared<LinuxExternalPower>();
    platform.storage = std::make_shared<LinuxStorageDevice>();
    return platform;
}
