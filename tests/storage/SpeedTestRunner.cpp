// Runs the speed test on a directory of the startup volume's kind:
//   storage_speed_test_runner once <directory> <MiB>   prints both medians
//   storage_speed_test_runner loop <directory>         runs until a signal ends it
#include "platform/linux/LinuxStorageDevice.h"
#include "storage/StorageBenchmark.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3)
        return 2;
    const LinuxStorageDevice device(QStringLiteral("/"), arguments[2]);
    SpeedTestSettings settings;
    if (arguments[1] == QLatin1String("loop")) {
        settings.fileBytes = 64 * 1024 * 1024;
        for (;;) {
            if (!runSpeedTest(device, 0, {}, settings).result)
                return 1;
        }
    }
    if (arguments.size() < 4)
        return 2;
    settings.fileBytes = arguments[3].toLongLong() * 1024 * 1024;
    const SpeedTestOutcome outcome = runSpeedTest(device, 0, {}, settings);
    if (!outcome.result) {
        std::fprintf(stderr, "speed test failed\n");
        return 1;
    }
    std::printf("%.1f %.1f %s\n", outcome.result->writeMBps, outcome.result->readMBps,
                outcome.result->cacheBypass == CacheBypass::direct ? "direct" : "evicted");
    return 0;
}
