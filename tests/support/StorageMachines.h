#pragma once

#include "app/AppShell.h"
#include "flow/Clock.h"
#include "support/FakeStorageDevice.h"

#include <memory>

// Startup volumes for the storage screens, each with a small test file.
namespace StorageMachines {

FakeStorageDevice::Setup roomyVerified();
FakeStorageDevice::Setup tightVolume();
FakeStorageDevice::Setup nearlyFull();
FakeStorageDevice::Setup failingDrive();
// Its volume fills up during the first pass.
FakeStorageDevice::Setup fullVolume();

// Registers a storage check on this volume with the shell; the device stays
// with the caller, for release(), and is released when the flow goes.
std::shared_ptr<FakeStorageDevice> install(AppShell &shell, Clock &clock, const FakeStorageDevice::Setup &setup);

} // namespace StorageMachines
