#include "storage/StorageSnapshot.h"

StorageSnapshotOutcome readStorageSnapshot(const StorageDevice &device, const StorageUpdateSink &update,
                                           const SpeedTestSettings &settings)
{
    const auto report = [&update](double progress, const char *text) {
        if (update)
            update({progress, QString::fromUtf8(text), std::nullopt, std::nullopt});
    };

    report(0.08, "Speicherkapazität wird ermittelt …");
    const VolumeCapacities capacities = device.startupVolumeCapacities();
    StorageSnapshot snapshot;
    snapshot.totalBytes = capacities.total.value_or(0);
    snapshot.freeBytes = capacities.availableForImportantUsage.value_or(capacities.available.value_or(0));

    report(0.16, "Laufwerksstatus wird geprüft …");
    snapshot.smartStatus = device.smartStatus();

    const SpeedTestOutcome test = runSpeedTest(device, snapshot.freeBytes, update, settings);
    if (test.error)
        return {std::nullopt, test.error};
    if (!test.result)
        return {};
    snapshot.writeMBps = test.result->writeMBps;
    snapshot.readMBps = test.result->readMBps;
    snapshot.benchmarkBytes = test.result->fileBytes;
    snapshot.benchmarkPasses = test.result->passes;
    snapshot.cacheBypass = test.result->cacheBypass;
    return {snapshot, std::nullopt};
}
