#include "platform/linux/UdisksSmart.h"

#include <QDBusObjectPath>
#include <QTest>

using Status = std::optional<QString>;
Q_DECLARE_METATYPE(Status)

namespace {

const QString block = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString ata = QStringLiteral("org.freedesktop.UDisks2.Drive.Ata");
const QString nvme = QStringLiteral("org.freedesktop.UDisks2.NVMe.Controller");
const QString drivePath = QStringLiteral("/org/freedesktop/UDisks2/drives/Disk");
const QString partition = QStringLiteral("/org/freedesktop/UDisks2/block_devices/sda2");
constexpr quint64 rootDevice = (8 << 8) | 2;

QVariantMap blockOn(const QString &drive, quint64 device)
{
    return {{QStringLiteral("DeviceNumber"), QVariant::fromValue<qulonglong>(device)},
            {QStringLiteral("Drive"), QVariant::fromValue(QDBusObjectPath(drive))}};
}

QVariantMap ataSmart(bool supported, bool enabled, qulonglong updated, bool failing)
{
    return {{QStringLiteral("SmartSupported"), supported},
            {QStringLiteral("SmartEnabled"), enabled},
            {QStringLiteral("SmartUpdated"), QVariant::fromValue(updated)},
            {QStringLiteral("SmartFailing"), failing}};
}

QVariantMap nvmeSmart(qulonglong updated, const QStringList &warnings)
{
    return {{QStringLiteral("SmartUpdated"), QVariant::fromValue(updated)},
            {QStringLiteral("SmartCriticalWarning"), warnings}};
}

UdisksObjects rootOnDrive(const QString &interface, const QVariantMap &health)
{
    return {{partition, {{block, blockOn(drivePath, rootDevice)}}}, {drivePath, {{interface, health}}}};
}

} // namespace

// udisks' objects to the drive's SMART verdict: only a health udisks has read counts.
class UdisksSmartTest : public QObject
{
    Q_OBJECT

private slots:
    void udisks_data()
    {
        QTest::addColumn<UdisksObjects>("objects");
        QTest::addColumn<Status>("status");

        const QString verified = QStringLiteral("Verified");
        const QString failing = QStringLiteral("Failing");
        QTest::newRow("ata fine") << rootOnDrive(ata, ataSmart(true, true, 1700000000, false)) << Status(verified);
        QTest::newRow("ata failing") << rootOnDrive(ata, ataSmart(true, true, 1700000000, true)) << Status(failing);
        QTest::newRow("ata never read") << rootOnDrive(ata, ataSmart(true, true, 0, false)) << Status();
        QTest::newRow("ata smart off") << rootOnDrive(ata, ataSmart(true, false, 1700000000, true)) << Status();
        QVariantMap stringly = ataSmart(true, true, 1700000000, false);
        stringly[QStringLiteral("SmartFailing")] = QStringLiteral("false");
        QTest::newRow("ata failing as text") << rootOnDrive(ata, stringly) << Status();
        QTest::newRow("nvme fine") << rootOnDrive(nvme, nvmeSmart(1700000000, {})) << Status(verified);
        QTest::newRow("nvme hot") << rootOnDrive(nvme, nvmeSmart(1700000000, {QStringLiteral("temperature")}))
                                  << Status(verified);
        QTest::newRow("nvme worn") << rootOnDrive(nvme, nvmeSmart(1700000000, {QStringLiteral("spare")}))
                                   << Status(failing);
        QTest::newRow("nvme never read") << rootOnDrive(nvme, nvmeSmart(0, {})) << Status();
        QTest::newRow("old udisks: drive without health")
            << UdisksObjects {{partition, {{block, blockOn(drivePath, rootDevice)}}}, {drivePath, {}}} << Status();

        UdisksObjects otherDisk = rootOnDrive(ata, ataSmart(true, true, 1700000000, true));
        otherDisk[partition][block] = blockOn(drivePath, rootDevice + 1);
        QTest::newRow("root on another device") << otherDisk << Status();

        const QString mapper = QStringLiteral("/org/freedesktop/UDisks2/block_devices/dm_2d0");
        UdisksObjects encrypted = rootOnDrive(ata, ataSmart(true, true, 1700000000, true));
        encrypted[partition][block] = blockOn(drivePath, rootDevice + 1);
        encrypted[mapper][block] = {
            {QStringLiteral("DeviceNumber"), QVariant::fromValue<qulonglong>(rootDevice)},
            {QStringLiteral("Drive"), QVariant::fromValue(QDBusObjectPath("/"))},
            {QStringLiteral("CryptoBackingDevice"), QVariant::fromValue(QDBusObjectPath(partition))}};
        QTest::newRow("encrypted root") << encrypted << Status(failing);
        QTest::newRow("nothing") << UdisksObjects() << Status();
    }

    void udisks()
    {
        QFETCH(UdisksObjects, objects);
        QFETCH(Status, status);
        QCOMPARE(udisksSmartStatus(objects, rootDevice), status);
    }
};

QTEST_GUILESS_MAIN(UdisksSmartTest)
#include "UdisksSmartTest.moc"
