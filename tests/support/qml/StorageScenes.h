#pragma once

#include "support/StorageMachines.h"
#include "support/qml/ScreenHarness.h"

#include <QTest>

#include <optional>

// The storage check on the real screens, run to its end or held mid-test.
namespace StorageScenes {

using namespace std::chrono_literals;

// True once the check reached its result or error.
inline bool finish(ScreenHarness &harness, const FakeStorageDevice::Setup &setup)
{
    StorageMachines::install(harness.shell(), harness.clock(), setup);
    harness.press(QStringLiteral("moduleCard_storage"));
    const bool done = harness.advanceUntil([&harness] {
        const QString phase = harness.shell().storageModel()->phaseName();
        return phase == "result" || phase == "error";
    });
    harness.advance(400ms);
    return done;
}

// Held at the gate: before the first write (0), or, with 32 MiB, in the
// third write pass with the second pass's speed on the dial.
inline std::shared_ptr<FakeStorageDevice> hold(ScreenHarness &harness, qint64 gateAtBytes)
{
    FakeStorageDevice::Setup setup = StorageMachines::roomyVerified();
    setup.gateAtBytes = gateAtBytes;
    auto device = StorageMachines::install(harness.shell(), harness.clock(), setup);
    harness.press(QStringLiteral("moduleCard_storage"));
    const QString awaited = gateAtBytes == 0 ? QStringLiteral("gemessen") : QStringLiteral("MB/s");
    const bool held = QTest::qWaitFor([&harness, &awaited] {
        QCoreApplication::processEvents();
        return harness.shell().storageModel()->progressText().contains(awaited);
    });
    if (!held)
        qWarning("the storage check did not reach its gate");
    harness.advance(100ms);
    return device;
}

} // namespace StorageScenes
