#include "platform/linux/LinuxTypecPorts.h"
#include "support/FakeTree.h"
#include "usbc/USBHardwareInspector.h"
#include "usbc/USBPowerProbe.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// A port below its controller, with the class entry linking to it as the
// kernel does.
void addPort(const FakeTree &tree, int number, const QByteArray &powerRole)
{
    const QString device =
        QStringLiteral("sys/devices/platform/soc/i2c-2/2-003%1/typec/port%2").arg(number).arg(number);
    tree.writeAttributes(device,
                         "power_role=" + powerRole +
                             "\ndata_role=[host] device\nport_type=dual\n"
                             "power_operation_mode=usb_power_delivery");
    QDir().mkpath(QDir(tree.root()).filePath(QStringLiteral("sys/class/typec")));
    QFile::link(QDir(tree.root()).filePath(device),
                QDir(tree.root()).filePath(QStringLiteral("sys/class/typec/port%1").arg(number)));
}

void addPartner(const FakeTree &tree, int number, bool speaksPd)
{
    tree.writeAttributes(QStringLiteral("sys/class/typec/port%1-partner").arg(number),
                         QByteArray("type=power_brick\nsupports_usb_power_delivery=") + (speaksPd ? "yes" : "no"));
}

Platform platformOf(const FakeTree &tree)
{
    Platform platform;
    platform.portControllers = std::make_shared<LinuxTypecPorts>(tree.root());
    return platform;
}

} // namespace

class LinuxTypecTest : public QObject
{
    Q_OBJECT

private slots:
    void portsAsControllerServices()
    {
        FakeTree tree;
        addPort(tree, 10, "[source] sink");
        addPort(tree, 2, "source [sink]");
        const LinuxTypecPorts ports(tree.root());

        const QList<RegistryService> found = ports.services(QStringLiteral("AppleHPMInterfaceType10"));
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[0].properties.value(QStringLiteral("PortNumber")), QVariant(qint64(2)));
        QCOMPARE(found[0].properties.value(QStringLiteral("PowerRole")), QVariant(QStringLiteral("sink")));
        QCOMPARE(found[1].properties.value(QStringLiteral("PowerRole")), QVariant(QStringLiteral("source")));
        QCOMPARE(found[0].path, QStringLiteral("/sys/devices/platform/soc/i2c-2/2-0032/typec/port2"));
        QCOMPARE(found[0].entryId, stableEntryId(*found[0].path));
        QVERIFY(found[0].entryId != found[1].entryId);
        // Listed once, under the first class only.
        QVERIFY(ports.services(QStringLiteral("AppleHPMInterfaceType11")).isEmpty());
        QCOMPARE(ports.subtree(found[0].entryId + 1), std::nullopt);
    }

    void observedThroughTheProbe_data()
    {
        QTest::addColumn<QByteArray>("powerRole");
        QTest::addColumn<int>("partner"); // 0 none, 1 without PD, 2 with PD
        QTest::addColumn<bool>("connected");
        QTest::addColumn<bool>("powerDelivery");
        QTest::addColumn<bool>("identity");

        QTest::newRow("nothing plugged") << QByteArray("source [sink]") << 0 << false << false << false;
        QTest::newRow("a device we feed") << QByteArray("[source] sink") << 1 << true << false << false;
        QTest::newRow("a charger") << QByteArray("source [sink]") << 2 << true << true << true;
        QTest::newRow("a plain 5 V source") << QByteArray("source [sink]") << 1 << true << true << false;
    }

    void observedThroughTheProbe()
    {
        QFETCH(QByteArray, powerRole);
        QFETCH(int, partner);
        QFETCH(bool, connected);
        QFETCH(bool, powerDelivery);
        QFETCH(bool, identity);

        FakeTree tree;
        addPort(tree, 0, powerRole);
        if (partner > 0)
            addPartner(tree, 0, partner == 2);
        const Platform platform = platformOf(tree);
        const USBHardwareReport report =
            USBHardwareInspector::assembleReport({QStringLiteral("Mac14,2"), {}, {}, true, true},
                                                 USBHardwareInspector(platform).discoverPortDescriptors(), 0);
        QCOMPARE(report.portDescriptors.size(), 1);

        const QList<USBPortObservation> seen = USBPowerProbe(platform).observePorts(report.portDescriptors);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].connected, connected);
        QCOMPARE(seen[0].powerDeliveryActive, powerDelivery);
        QCOMPARE(seen[0].partnerIdentityVisible, identity);
    }

    void machineWithoutTypec()
    {
        FakeTree tree;
        tree.write(QStringLiteral("sys/class/power_supply/.keep"), {});
        const Platform platform = platformOf(tree);
        QVERIFY(USBHardwareInspector(platform).discoverPortDescriptors().isEmpty());
        QCOMPARE(USBHardwareInspector(platform).countGenericControllerServices(), 0);
        // No battery at all: the machine runs on mains.
        QCOMPARE(LinuxExternalPower(tree.root()).providingType(), QStringLiteral("AC Power"));
        QCOMPARE(LinuxExternalPower(tree.root()).adapterDetails(), std::nullopt);
    }

    void hostControllersCountOnce()
    {
        FakeTree tree;
        for (const char *hub : {"usb1", "usb2"})
            tree.write(QStringLiteral("sys/devices/pci0000:00/0000:00:14.0/%1/idVendor").arg(QLatin1String(hub)),
                       "1d6b");
        tree.write(QStringLiteral("sys/devices/pci0000:00/0000:00:0d.0/usb3/idVendor"), "1d6b");
        QDir().mkpath(QDir(tree.root()).filePath(QStringLiteral("sys/bus/usb/devices")));
        for (const auto &[hub, controller] : {std::pair {"usb1", "0000:00:14.0"}, std::pair {"usb2", "0000:00:14.0"},
                                              std::pair {"usb3", "0000:00:0d.0"}})
            QFile::link(QDir(tree.root())
                            .filePath(QStringLiteral("sys/devices/pci0000:00/%1/%2")
                                          .arg(QLatin1String(controller), QLatin1String(hub))),
                        QDir(tree.root()).filePath(QStringLiteral("sys/bus/usb/devices/%1").arg(QLatin1String(hub))));
        QCOMPARE(USBHardwareInspector(platformOf(tree)).countGenericControllerServices(), 2);
    }
};

QTEST_GUILESS_MAIN(LinuxTypecTest)
#include "LinuxTypecTest.moc"
