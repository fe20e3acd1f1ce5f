#include "usbc/USBPowerProbe.h"
#include "support/USBMachines.h"
#include "usbc/PropertyListText.h"

#include <QTest>

class USBPowerProbeTest : public QObject
{
    Q_OBJECT

private slots:
    void propertyList_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("sorted by key, case first")
            << QVariant(QVariantMap {{"built-in", true}, {"Watts", qint64(96)}, {"Amperage", qint64(-1000)}})
            << "{\n    Amperage = -1000;\n    Watts = 96;\n    built-in = 1;\n}";
        QTest::newRow("bare and quoted strings")
            << QVariant(QVariantMap {{"A", "Port-USB-C@1"},
                                     {"B", "pd charger"},
                                     {"C", ""},
                                     {"D", "say \"hi\"\\"},
                                     {"E", "IOService:/AppleARMPE/hpm0"}})
            << "{\n    A = \"Port-USB-C@1\";\n    B = \"pd charger\";\n    C = \"\";\n    D = \"say "
               "\\\"hi\\\"\\\\\";\n    E = IOService:/AppleARMPE/hpm0;\n}";
        QTest::newRow("non-ASCII and line break escaped")
            << QVariant(QVariantMap {{"Name", QString::fromUtf8("Café\nBat")}})
            << "{\n    Name = \"Caf\\U00e9\\nBat\";\n}";
        QTest::newRow("nested at each level")
            << QVariant(QVariantMap {{"Outer", QVariantMap {{"Inner", QVariantMap {{"x", qint64(1)}}}}}})
            << "{\n    Outer =     {\n        Inner =         {\n            x = 1;\n        };\n    };\n}";
        QTest::newRow("list with a dictionary")
            << QVariant(QVariantMap {{"L", QVariantList {qint64(1), "two", QVariantMap {{"k", false}}}}})
            << "{\n    L =     (\n        1,\n        two,\n        {\n            k = 0;\n        }\n    );\n}";
        QTest::newRow("floats") << QVariant(QVariantList {3.5, 2.0, -0.25}) << "(\n    3.5,\n    2,\n    -0.25\n)";
        QTest::newRow("short data") << QVariant(QByteArray::fromHex("01000000ff"))
                                    << "{length = 5, bytes = 0x01000000 ff}";
        QTest::newRow("long data shows head and tail")
            << QVariant(QByteArray::fromHex("000102030405060708090a0b0c0d0e0f101112131415161718"))
            << "{length = 25, bytes = 0x00010203 04050607 08090a0b 0c0d0e0f ... 11121314 15161718}";
        QTest::newRow("empty dictionary") << QVariant(QVariantMap {}) << "{\n}";
    }

    void propertyList()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        QCOMPARE(propertyListText(value), text);
    }

    // The adapter's watts and name from the power source's details.
    void snapshot_data()
    {
        QTest::addColumn<QVariant>("type"); // invalid: unreadable
        QTest::addColumn<QVariant>("details"); // invalid: no adapter
        QTest::addColumn<bool>("external");
        QTest::addColumn<qint64>("watts"); // -1: none
        QTest::addColumn<QString>("name");

        const QVariant ac("AC Power");
        const QVariant battery("Battery Power");
        QTest::newRow("watts as number") << ac << QVariant(QVariantMap {{"Watts", qint64(96)}, {"Name", "96W USB-C"}})
                                         << true << qint64(96) << "96W USB-C";
        QTest::newRow("watts from digits of a text")
            << ac << QVariant(QVariantMap {{"AdapterWatts", "65W"}, {"Name", ""}, {"Manufacturer", "X"}}) << true
            << qint64(65) << "X";
        QTest::newRow("text without digits skipped")
            << ac << QVariant(QVariantMap {{"Watts", "n/a"}, {"Power", 30.7}}) << true << qint64(30) << "";
        QTest::newRow("watts beyond any whole number skipped")
            << ac << QVariant(QVariantMap {{"Watts", 1e300}, {"Power", 30.7}}) << true << qint64(30) << "";
        QTest::newRow("adapter without watts still powers")
            << battery << QVariant(QVariantMap {{"FamilyCode", qint64(-536854518)}}) << true << qint64(-1) << "";
        QTest::newRow("on battery") << battery << QVariant() << false << qint64(-1) << "";
        QTest::newRow("AC in another word") << QVariant("External ac") << QVariant() << true << qint64(-1) << "";
        QTest::newRow("nothing readable") << QVariant() << QVariant() << false << qint64(-1) << "";
    }

    void snapshot()
    {
        QFETCH(QVariant, type);
        QFETCH(QVariant, details);
        QFETCH(bool, external);
        QFETCH(qint64, watts);
        QFETCH(QString, name);

        const USBPowerSnapshot read =
            USBPowerProbe::snapshotFrom(type.isValid() ? std::optional(type.toString()) : std::nullopt,
                                        details.isValid() ? std::optional(details.toMap()) : std::nullopt);
        QCOMPARE(read.externalPowerConnected, external);
        QCOMPARE(read.adapterWatts.value_or(-1), watts);
        QCOMPARE(read.adapterName.value_or(QString()), name);
    }

    void connection_data()
    {
        QTest::addColumn<QVariantMap>("properties");
        QTest::addColumn<bool>("connected");

        QTest::newRow("nested mixed-case key and 1")
            << QVariantMap {{"Status", QVariantMap {{"ConnectionState", qint64(1)}}}} << true;
        QTest::newRow("blank in key") << QVariantMap {{"Port State", "Attached"}} << true;
        QTest::newRow("power role is no connection key") << QVariantMap {{"PowerRole", "Sink"}} << false;
        QTest::newRow("cable state sink") << QVariantMap {{"Cable State", "Sink"}} << true;
        QTest::newRow("boolean true") << QVariantMap {{"PartnerPresent", true}} << true;
        QTest::newRow("boolean false") << QVariantMap {{"PartnerPresent", false}} << false;
        QTest::newRow("number 0") << QVariantMap {{"Attached", qint64(0)}} << false;
        QTest::newRow("text no") << QVariantMap {{"Connected", "No"}} << false;
        QTest::newRow("later entry decides") << QVariantMap {{"Attached", "No"}, {"CCState", "Source"}} << true;
        QTest::newRow("count is no state") << QVariantMap {{"ConnectionCount", qint64(5)}} << false;
        QTest::newRow("list value with a fragment") << QVariantMap {{"AttachModes", QVariantList {"sink"}}} << true;
    }

    void connection()
    {
        QFETCH(QVariantMap, properties);
        QFETCH(bool, connected);
        QCOMPARE(USBPowerProbe::propertiesIndicateConnection(properties), connected);
    }

    void observation_data()
    {
        QTest::addColumn<QVariantMap>("own");
        QTest::addColumn<QList<RegistryNode>>("below");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<bool>("powerDelivery");
        QTest::addColumn<bool>("partner");

        const QVariantMap idle {{"PortNumber", qint64(1)}, {"ConnectionActive", false}};
        QTest::newRow("idle") << idle << QList<RegistryNode> {{"IOPortTransportStateCC", {}}} << false << false
                              << false;
        QTest::newRow("power source below")
            << idle << QList<RegistryNode> {{"IOPortFeaturePowerSource", {}}} << true << true << false;
        QTest::newRow("partner identity below")
            << idle << QList<RegistryNode> {{"IOPortTransportComponentCCUSBPDSOP", {}}} << true << false << true;
        QTest::newRow("marker in a child's text")
            << idle << QList<RegistryNode> {{"IOPortTransportStateCC", {{"Attached", "Yes"}}}} << true << false
            << false;
        QTest::newRow("partner flag of the port")
            << QVariantMap {{"PartnerPresent", true}} << QList<RegistryNode> {} << true << false << false;
    }

    void observation()
    {
        QFETCH(QVariantMap, own);
        QFETCH(QList<RegistryNode>, below);
        QFETCH(bool, connected);
        QFETCH(bool, powerDelivery);
        QFETCH(bool, partner);

        const USBPortObservation seen = USBPowerProbe::observationFrom({7}, RegistrySubtree {own, below});
        QCOMPARE(seen.connected, connected);
        QCOMPARE(seen.powerDeliveryActive, powerDelivery);
        QCOMPARE(seen.partnerIdentityVisible, partner);
    }

    // Ports come back in port order; one whose service vanished is not observed.
    void observePorts()
    {
        const USBMachine mac = USBMachines::appleSiliconPro();
        const USBPowerProbe probe(mac.platform);
        QList<USBPortDescriptor> ports;
        for (int number : {3, 1, 2})
            ports.append(USBPortDescriptor {USBMachines::portId(number)});
        mac.hardware->removePort(USBMachines::portId(2));

        const QList<USBPortObservation> seen = probe.observePorts(ports);
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].descriptor.id, USBMachines::portId(1));
        QVERIFY(seen[0].isActive());
        QCOMPARE(seen[1].descriptor.id, USBMachines::portId(3));
        QVERIFY(!seen[1].isActive());
        QVERIFY(!probe.observePort({USBMachines::portId(2)}).isActive());
    }
};

QTEST_GUILESS_MAIN(USBPowerProbeTest)
#include "USBPowerProbeTest.moc"
