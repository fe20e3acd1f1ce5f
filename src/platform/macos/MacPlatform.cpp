#include "platform/MediaCapture.h"
#include "platform/Platform.h"
#include "platform/WindowChrome.h"
#include "platform/macos/MacBatteryService.h"
#include "platform/macos/MacPortControllers.h"
#include "platform/macos/MacPowerSource.h"
#include "platform/macos/MacSmcTransport.h"
#include "platform/macos/MacStorageDevice.h"
#include "platform/macos/MacSystemControl.h"
#include "platform/macos/MacThermalState.h"
#include "platform/macos/MacWindowChrome.h"
#include "platform/processes/PsProcessTable.h"
#include "platform/tools/ProfilerHardwareOverview.h"

Platform makeHostPlatform()
{
    Platform platform;
    platform.batteryService = std::make_shared<MacBatteryService>();
    platform.hardwareOverview = std::make_shared<ProfilerHardwareOverview>();
    platform.systemControl = std::make_shared<MacSystemControl>();
    platform.processTable = std::make_shared<PsProcessTable>();
    platform.smcTransport = std::make_shared<MacSmcTransport>();
    platform.thermalState = std::make_shared<MacThermalState>();
    platform.powerSource = std::make_shared<MacPowerSource>();
    platform.openMediaCapture = openDefaultMediaCapture;
    platform.portControllers = std::make_shared<MacPortControllers>();
    platform.externalPower = std::make_shared<MacExternalPower>();
    platform.storage = std::make_shared<MacStorageDevice>();
    return platform;
}

void dressMainWindow(QWindow *window)
{
    applyMacWindowChrome(window);
}
