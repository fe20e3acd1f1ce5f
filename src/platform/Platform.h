#pragma once

#include "platform/BatteryService.h"
#include "platform/ExternalPowerSource.h"
#include "platform/HardwareOverview.h"
#include "platform/PortControllerRegistry.h"
#include "platform/PowerSource.h"
#include "platform/ProcessTable.h"
#include "platform/SmcTransport.h"
#include "platform/StorageDevice.h"
#include "platform/SystemControl.h"
#include "platform/ThermalStateSource.h"

#include <functional>
#include <memory>

class MediaCapture;

// Everything the diagnosis reads from the operating system. Built once for the
// machine at hand; tests assemble one from fakes. Every member is safe to use
// from the thread pool.
struct Platform
{
    std::shared_ptr<const BatteryService> batteryService;
    std::shared_ptr<const HardwareOverview> hardwareOverview;
    std::shared_ptr<const SystemControl> systemControl;
    std::shared_ptr<const ProcessTable> processTable;
    std::shared_ptr<const SmcTransport> smcTransport = nullptr;
    std::shared_ptr<const ThermalStateSource> thermalState = nullptr;
    std::shared_ptr<const PowerSource> powerSource = nullptr;
    // The camera and microphone, opened for the user-interface thread and
    // owned by whoever opened them.
    std::function<std::unique_ptr<MediaCapture>()> openMediaCapture;
    std::shared_ptr<const PortControllerRegistry> portControllers = nullptr;
    std::shared_ptr<const ExternalPowerSource> externalPower = nullptr;
    std::shared_ptr<const StorageDevice> storage = nullptr;
};

// The backends of the operating system this build targets.
Platform makeHostPlatform();
// The default camera and microphone through Qt, the same on every system.
std::unique_ptr<MediaCapture> openDefaultMediaCapture();
