// The adapter's dictionary as the power sources and the battery controller
// give it, read by the USB-C and charger checks.
#include "FuzzInput.h"

#include "power/PowerSnapshotReader.h"
#include "usbc/USBPowerProbe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto pieces = inputPieces(QByteArrayView(data, qsizetype(size)), 2);
    static const QStringList names = powerRegistryKeys() +
        QStringList {QStringLiteral("Watts"), QStringLiteral("AdapterWatts"), QStringLiteral("Maximum Power"),
                     QStringLiteral("Name"),  QStringLiteral("Description"),  QStringLiteral("Manufacturer")};
    const QVariant tree = variantTree(pieces[1], names);
    const std::optional<QVariantMap> details =
        tree.typeId() == QMetaType::QVariantMap ? std::optional<QVariantMap>(tree.toMap()) : std::nullopt;
    const std::optional<QString> type =
        pieces[0].isEmpty() ? std::nullopt : std::optional<QString>(QString::fromUtf8(pieces[0]));
    (void)USBPowerProbe::snapshotFrom(type, details);
    (void)powerSnapshot(BatterySnapshot {}, details.value_or(QVariantMap()));
    return 0;
}
