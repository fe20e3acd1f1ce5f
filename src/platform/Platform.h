#pragma once

#include "platform/BatteryService.h"
#include "platform/HardwareOverview.h"
#include "platform/PowerSource.h"
#include "platform/ProcessTable.h"
#include "platform/SmcTransport.h"
#include "platform/StorageDevice.h"
#include "platform/SystemControl.h"
#include "platform/ThermalStateSource.h"

#include <memory>

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
    std::shared_ptr<const StorageDevice> storage = nullptr;
};

// The backends of the operating system this build targets.
Platform makeHostPlatform();
