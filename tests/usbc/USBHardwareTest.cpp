#include "support/USBMachines.h"
#include "usbc/USBHardwareInspector.h"

#include <QTest>

namespace {

USBPortDescriptor port(quint64 id, const char *serviceClass, qint64 hint, const char *summary = "{\n}",
                       const char *path = "IOService:/port")
{
    return {id, QString::fromLatin1(serviceClass), QString::fromLatin1(path), hint, QString::fromUtf8(summary)};
}

QList<quint64> ids(const QList<USBPortDescriptor> &ports)
{
    QList<quint64> found;
    for (const USBPortDescriptor &p : ports)
        found.append(p.id);
    return found;
}

USBMacIdentity identity(const char *model, const char *name, bool appleSilicon, bool notebook = true)
{
    return {QString::fromLatin1(model), QString::fromLatin1(name), QStringLiteral("Apple Chip"), appleSilicon,
            notebook};
}

const QString intelNote = QStringLiteral(
    "Auf Intel-MacBooks veröffentlicht macOS keine vollständigen USB-PD-Daten pro Anschluss. Der Controllergrundtest "
    "verwendet daher USB-/Thunderbolt-Systemdienste und löst allein keinen Platinenschaden-Hinweis aus.");
const QString noGenericNote = QStringLiteral("Es wurden keine eindeutig zuordenbaren generischen Controllerdienste "
                                             "gefunden; die App fährt mit dem praktischen Ladetest fort.");
const QString derivedNote = QStringLiteral("Die Portanzahl wurde direkt aus der Hardware-Registry abgeleitet.");
const QString notMacBookNote = QStringLiteral("Die App ist für MacBook Modelle ausgelegt.");
const QString noControllersNote = QStringLiteral("macOS hat keine per-Port USB-C Controllerdienste veröffentlicht.");

} // namespace

class USBHardwareTest : public QObject
{
    Q_OBJECT

private slots:
    void expectedCount_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count"); // 0: none

        const auto row = [](const char *tag, const char *model, const char *name, int count) {
            QTest::newRow(tag) << QString(model) << QString(name) << count;
        };
        row("12-inch by model", "MacBook10,1", "", 1);
        row("Air by model", "MacBookAir10,1", "", 2);
        row("four-port Intel Pro", "MacBookPro16,1", "", 4);
        row("M1 Pro", "MacBookPro18,3", "", 3);
        row("table beats name", "Mac14,2", "MacBook Pro 16", 2);
        row("exact match only", "MacBookPro18,30", "", 0);
        row("neo", "Mac99,1", "MacBook Neo", 2);
        row("air", "Mac99,1", "MacBook Air (15-inch)", 2);
        row("pro 13", "Mac99,1", "MacBook Pro 13\"", 2);
        row("pro 13 and 14", "Mac99,1", "MacBook Pro 13/14", 3);
        row("pro 16", "Mac99,1", "MacBook Pro (16-inch)", 3);
        row("pro without size", "Mac99,1", "MacBook Pro", 3);
        row("plain macbook", "Mac99,1", "MacBook", 1);
        row("12 zoll", "Mac99,1", "MacBook 12 Zoll", 1);
        row("12-inch", "Mac99,1", "MacBook (Retina, 12-inch)", 1);
        row("desktop", "Mac14,3", "Mac mini", 0);
        row("nothing", "Unbekanntes Mac Modell", "", 0);
    }

    void expectedCount()
    {
        QFETCH(QString, model);
        QFETCH(QString, name);
        QFETCH(int, count);
        const auto expected = USBHardwareInspector::expectedPortCount(model, name);
        QCOMPARE(expected.value_or(0), count);
    }

    void sortHint_data()
    {
        QTest::addColumn<QVariantMap>("properties");
        QTest::addColumn<qint64>("hint");

        const auto bytes = [](std::initializer_list<int> values) {
            QByteArray b;
            for (int v : values)
                b.append(char(v));
            return QVariant(b);
        };
        QTest::newRow("number") << QVariantMap {{"UsbIOPort", qint64(2)}} << qint64(2);
        QTest::newRow("four bytes, first most significant")
            << QVariantMap {{"port-number", bytes({1, 0, 0, 0})}} << qint64(16777216);
        QTest::newRow("eight bytes") << QVariantMap {{"port", bytes({0, 0, 0, 0, 0, 0, 1, 2})}} << qint64(258);
        QTest::newRow("empty bytes") << QVariantMap {{"port", QByteArray()}} << qint64(0);
        QTest::newRow("nine bytes skipped")
            << QVariantMap {{"PortNum", bytes({0, 0, 0, 0, 0, 0, 0, 0, 1})}, {"port", qint64(7)}} << qint64(7);
        QTest::newRow("signed text") << QVariantMap {{"PortNumber", "-3"}} << qint64(-3);
        QTest::newRow("plus sign") << QVariantMap {{"PortNumber", "+4"}} << qint64(4);
        QTest::newRow("text with unit skipped")
            << QVariantMap {{"PortNum", "3a"}, {"PortNumber", qint64(5)}} << qint64(5);
        QTest::newRow("blank text skipped") << QVariantMap {{"PortNum", " 3"}} << qint64(10004);
        QTest::newRow("sign alone skipped") << QVariantMap {{"PortNum", "-"}} << qint64(10004);
        QTest::newRow("overflow skipped") << QVariantMap {{"PortNum", "9223372036854775808"}} << qint64(10004);
        QTest::newRow("largest") << QVariantMap {{"PortNum", "9223372036854775807"}}
                                 << std::numeric_limits<qint64>::max();
        QTest::newRow("smallest") << QVariantMap {{"PortNum", "-9223372036854775808"}}
                                  << std::numeric_limits<qint64>::min();
        QTest::newRow("double beyond 64 bits skipped")
            << QVariantMap {{"UsbIOPort", 1e300}, {"PortNum", qQNaN()}, {"port", 2.0}} << qint64(2);
        QTest::newRow("boolean is no number") << QVariantMap {{"UsbIOPort", true}} << qint64(10004);
        QTest::newRow("key order wins") << QVariantMap {{"port", qint64(9)}, {"PortNum", qint64(1)}} << qint64(1);
        QTest::newRow("none") << QVariantMap {{"Description", "Port-USB-C@1"}} << qint64(10004);
    }

    void sortHint()
    {
        QFETCH(QVariantMap, properties);
        QFETCH(qint64, hint);
        QCOMPARE(USBHardwareInspector::sortHint(properties, 4), hint);
    }

    void selection_data()
    {
        QTest::addColumn<QList<USBPortDescriptor>>("discovered");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QList<quint64>>("selected");

        const char *magSafe = "{\n    PortDescription = \"Port-MagSafe 3@4\";\n}";
        const char *magSafeSpaced = "{\n    Name = \"Mag Safe\";\n}";
        QTest::newRow("MagSafe dropped, port order")
            << QList {port(1, "AppleHPMInterfaceType10", 3), port(2, "AppleHPMInterfaceType10", 1),
                      port(3, "AppleHPMInterfaceType11", 4, magSafe), port(4, "AppleHPMInterfaceType10", 2)}
            << 3 << QList<quint64> {2, 4, 1};
        QTest::newRow("spaced MagSafe dropped")
            << QList {port(1, "AppleHPMInterfaceType10", 1), port(2, "AppleHPMInterfaceType10", 2, magSafeSpaced)} << 1
            << QList<quint64> {1};
        QTest::newRow("too few without MagSafe: all")
            << QList {port(1, "AppleHPMInterfaceType10", 2), port(2, "AppleHPMInterfaceType10", 1, magSafe)} << 2
            << QList<quint64> {2, 1};
        QTest::newRow("TC11 dropped when too many")
            << QList {port(1, "AppleTCControllerType11", 0), port(2, "AppleTCControllerType10", 1),
                      port(3, "AppleTCControllerType10", 2)}
            << 2 << QList<quint64> {2, 3};
        QTest::newRow("TC11 drop undone")
            << QList {port(1, "AppleTCControllerType11", 0), port(2, "AppleTCControllerType11", 1),
                      port(3, "AppleTCControllerType10", 2)}
            << 2 << QList<quint64> {1, 2};
        QTest::newRow("ties by path") << QList {port(1, "AppleHPMInterfaceType10", 10001, "{\n}", "IOService:/b"),
                                                port(2, "AppleHPMInterfaceType10", 10001, "{\n}", "IOService:/a")}
                                      << 2 << QList<quint64> {2, 1};
        QTest::newRow("cut to expected") << QList {port(1, "AppleHPMInterfaceType10", 2),
                                                   port(2, "AppleHPMInterfaceType10", 1)}
                                         << 1 << QList<quint64> {2};
        QTest::newRow("none expected") << QList {port(1, "AppleHPMInterfaceType10", 1)} << 0 << QList<quint64> {};
    }

    void selection()
    {
        QFETCH(QList<USBPortDescriptor>, discovered);
        QFETCH(int, expected);
        QFETCH(QList<quint64>, selected);
        QCOMPARE(ids(USBHardwareInspector::selectPortDescriptors(discovered, expected)), selected);
    }

    void derivedCount_data()
    {
        QTest::addColumn<QList<USBPortDescriptor>>("discovered");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");

        const char *magSafe = "{\n    PortDescription = \"Port-MagSafe 3@1\";\n}";
        QTest::newRow("no ports, air") << QList<USBPortDescriptor> {} << "Mac Air-ish" << 2;
        QTest::newRow("no ports, pro") << QList<USBPortDescriptor> {} << "Some PRO" << 3;
        QTest::newRow("no ports, nothing") << QList<USBPortDescriptor> {} << "" << 1;
        QTest::newRow("MagSafe not counted")
            << QList {port(1, "AppleHPMInterfaceType10", 1), port(2, "AppleHPMInterfaceType10", 2, magSafe)} << "" << 1;
        QTest::newRow("only MagSafe counts all") << QList {port(1, "AppleHPMInterfaceType10", 1, magSafe)} << "" << 1;
    }

    void derivedCount()
    {
        QFETCH(QList<USBPortDescriptor>, discovered);
        QFETCH(QString, name);
        QFETCH(int, count);
        QCOMPARE(USBHardwareInspector::derivePortCount(discovered, identity("Mac99,1", qPrintable(name), true)), count);
    }

    void identityFromOverview_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("chip");

        const auto row = [](const char *tag, const char *json, const char *name, const char *chip) {
            QTest::newRow(tag) << QByteArray(json) << QString(name) << QString(chip);
        };
        row("machine name and chip",
            R"({"SPHardwareDataType":[{"machine_name":"MacBook Air","_name":"x","chip_type":"Apple M2"}]})",
            "MacBook Air", "Apple M2");
        row("_name and cpu", R"({"SPHardwareDataType":[{"_name":"MacBook Pro","cpu_type":"i7"}]})", "MacBook Pro",
            "i7");
        row("name not text", R"({"SPHardwareDataType":[{"machine_name":3,"_name":"MacBook"}]})", "MacBook", "Intel");
        row("empty array", R"({"SPHardwareDataType":[]})", "", "Intel");
        row("not objects", R"({"SPHardwareDataType":["MacBook"]})", "", "Intel");
        row("invalid JSON", "{\"SPHardwareDataType\":[{", "", "Intel");
    }

    void identityFromOverview()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, name);
        QFETCH(QString, chip);
        USBMacIdentity read {QStringLiteral("Mac"), {}, QStringLiteral("Intel"), false, false};
        USBHardwareInspector::applyOverview(read, json);
        QCOMPARE(read.marketingName, name);
        QCOMPARE(read.chipName, chip);
    }

    void report_data()
    {
        QTest::addColumn<USBMacIdentity>("who");
        QTest::addColumn<QList<USBPortDescriptor>>("discovered");
        QTest::addColumn<int>("generic");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("failure");
        QTest::addColumn<int>("raw");
        QTest::addColumn<QStringList>("notes");

        const auto three = QList {port(1, "AppleHPMInterfaceType10", 1), port(2, "AppleHPMInterfaceType10", 2),
                                  port(3, "AppleHPMInterfaceType10", 3)};
        QTest::newRow("table count met") << identity("MacBookPro18,3", "MacBook Pro", true) << three << 0 << 3 << 3
                                         << false << 3 << QStringList {};
        QTest::newRow("table demands more") << identity("MacBookPro18,3", "MacBook Pro", true) << three.mid(0, 2) << 0
                                            << 3 << 2 << true << 2 << QStringList {};
        QTest::newRow("nothing published")
            << identity("MacBookAir10,1", "MacBook Air", true) << QList<USBPortDescriptor> {} << 0 << 2 << 0 << true
            << 0 << QStringList {noControllersNote};
        QTest::newRow("derived on Apple silicon")
            << identity("Mac99,1", "", true, false) << QList<USBPortDescriptor> {} << 0 << 1 << 0 << true << 0
            << QStringList {noControllersNote, notMacBookNote, derivedNote};
        QTest::newRow("Intel without generic services")
            << identity("MacBookPro16,1", "MacBook Pro", false) << QList<USBPortDescriptor> {} << 0 << 4 << 0 << false
            << 0 << QStringList {intelNote, noGenericNote};
        QTest::newRow("Intel with generic services")
            << identity("MacBookPro16,1", "MacBook Pro", false) << QList<USBPortDescriptor> {} << 3 << 4 << 0 << false
            << 3 << QStringList {intelNote};
        QTest::newRow("unknown PC") << identity("Unbekanntes Mac Modell", "", false, false)
                                    << QList<USBPortDescriptor> {} << 0 << 1 << 0 << false << 0
                                    << QStringList {intelNote, noGenericNote, notMacBookNote, derivedNote};
    }

    void report()
    {
        QFETCH(USBMacIdentity, who);
        QFETCH(QList<USBPortDescriptor>, discovered);
        QFETCH(int, generic);
        QFETCH(int, expected);
        QFETCH(int, selected);
        QFETCH(bool, failure);
        QFETCH(int, raw);
        QFETCH(QStringList, notes);

        const USBHardwareReport report = USBHardwareInspector::assembleReport(who, discovered, generic);
        QCOMPARE(report.expectedPortCount, expected);
        QCOMPARE(report.portDescriptors.size(), selected);
        QCOMPARE(report.probableControllerFailure, failure);
        QCOMPARE(report.controllerCheckIsConclusive, who.isAppleSilicon);
        QCOMPARE(report.rawControllerCount, raw);
        QCOMPARE(report.notes, notes);
    }

    // The whole road through the registry: the port found under two classes
    // is listed once, MagSafe is left out, the rest in port order.
    void reportFromRegistry()
    {
        const USBMachine mac = USBMachines::appleSiliconPro();
        mac.hardware->addPort({USBMachines::portId(2),
                               QStringLiteral("AppleTCControllerType10"),
                               QStringLiteral("IOService:/elsewhere"),
                               {}});
        const USBHardwareInspector inspector(mac.platform);

        const QList<USBPortDescriptor> discovered = inspector.discoverPortDescriptors();
        QCOMPARE(discovered.size(), 4);
        QCOMPARE(discovered[1].serviceClass, QStringLiteral("AppleHPMInterfaceType10"));

        const USBHardwareReport report = inspector.makeHardwareReport();
        QCOMPARE(report.identity,
                 (USBMacIdentity {QStringLiteral("MacBookPro18,3"), QStringLiteral("MacBook Pro"),
                                  QStringLiteral("Apple M1 Pro"), true, true}));
        QCOMPARE(ids(report.portDescriptors),
                 (QList {USBMachines::portId(1), USBMachines::portId(2), USBMachines::portId(3)}));
        QVERIFY(!report.probableControllerFailure);
        QCOMPARE(report.rawControllerCount, 4);
        // A machine that offers no services at all still gets a port to test.
        QCOMPARE(USBHardwareInspector(Platform {}).makeHardwareReport().expectedPortCount, 1);
    }
};

QTEST_GUILESS_MAIN(USBHardwareTest)
#include "USBHardwareTest.moc"
