// The battery and charger readers over a fuzzed battery service entry, a
// fuzzed hardware overview and a fuzzed model name.
#include "FuzzInput.h"
#include "FuzzPlatform.h"

#include "machine/BatteryReader.h"
#include "machine/JsonKeySearch.h"
#include "power/PowerSnapshotReader.h"

#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto pieces = inputPieces(QByteArrayView(data, qsizetype(size)), 3);
    const QStringList names = BatteryReader::registryKeys() + powerRegistryKeys();
    Platform platform;
    platform.batteryService = std::make_shared<FuzzBatteryService>(variantTree(pieces[0], names));
    platform.hardwareOverview = std::make_shared<FuzzOverview>(pieces[1].toByteArray());
    platform.systemControl = std::make_shared<FuzzSystemControl>(pieces[2].toByteArray());
    try {
        (void)readPowerSnapshot(platform);
    } catch (const BatteryReaderError &) {
    }
    (void)findJsonValue(QJsonDocument::fromJson(pieces[1].toByteArray()).object(),
                        {QStringLiteral("sppower_battery_health_info"), QStringLiteral("machine_name")});
    return 0;
}
