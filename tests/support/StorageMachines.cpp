#include "support/StorageMachines.h"

#include "storage/StorageDiagnosticViewModel.h"

namespace {

constexpr qint64 GB = 1'000'000'000;

FakeStorageDevice::Setup volume(qint64 total, qint64 free, std::optional<QString> smart)
{
    FakeStorageDevice::Setup setup;
    setup.capacities = {total, std::nullopt, free};
    setup.smartStatus = std::move(smart);
    // About 2100 MB/s writing and 3350 MB/s reading.
    setup.writeDelay = std::chrono::microseconds(4000);
    setup.readDelay = std::chrono::microseconds(2500);
    return setup;
}

} // namespace

namespace StorageMachines {

FakeStorageDevice::Setup roomyVerified()
{
    return volume(494 * GB, 213 * GB, QStringLiteral("Verified"));
}

FakeStorageDevice::Setup tightVolume()
{
    return volume(1000 * GB, 120 * GB, QStringLiteral("Verified"));
}

FakeStorageDevice::Setup nearlyFull()
{
    return volume(256 * GB, 9 * GB, std::nullopt);
}

FakeStorageDevice::Setup failingDrive()
{
    return volume(494 * GB, 213 * GB, QStringLiteral("Failing"));
}

FakeStorageDevice::Setup fullVolume()
{
    FakeStorageDevice::Setup setup = volume(256 * GB, 9 * GB, std::nullopt);
    setup.spaceBytes = 8 * 1024 * 1024;
    return setup;
}

std::shared_ptr<FakeStorageDevice> install(AppShell &shell, Clock &clock, const FakeStorageDevice::Setup &setup)
{
    auto device = std::make_shared<FakeStorageDevice>(setup);
    Platform platform;
    platform.storage = device;
    auto *flow = new StorageDiagnosticViewModel(platform, clock, 16 * 1024 * 1024);
    // A test held at its gate goes on, and stops, once its flow is gone.
    QObject::connect(flow, &QObject::destroyed, [device] { device->release(); });
    shell.registerModule(DiagnosisModule::storage, flow, QStringLiteral("StorageIntegratedModuleView.qml"));
    return device;
}

} // namespace StorageMachines
