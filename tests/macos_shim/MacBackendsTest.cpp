#include "FakeCoreFoundation.h"
#include "FakeIOKit.h"
#include "FakeObjC.h"
#include "FakeSystem.h"

#include "platform/macos/CFVariant.h"
#include "platform/macos/MacBatteryService.h"
#include "platform/macos/MacPortControllers.h"
#include "platform/macos/MacPowerSource.h"
#include "platform/macos/MacSmcTransport.h"
#include "platform/macos/MacStorageDevice.h"
#include "platform/macos/MacSystemControl.h"
#include "platform/macos/MacThermalState.h"
#include "platform/macos/MacWindowChrome.h"
#include "platform/smc/SmcAccess.h"
#include "support/FakeSmc.h"

#include <QTest>

#include <cstring>
#include <functional>
#include <map>
#include <string>

using CFMaker = std::function<CFTypeRef()>;
using RegistrySetup = std::function<void()>;
Q_DECLARE_METATYPE(CFMaker)
Q_DECLARE_METATYPE(RegistrySetup)
Q_DECLARE_METATYPE(FakeObjC::Setup)
Q_DECLARE_METATYPE(FakeIOKit::Faults)
Q_DECLARE_METATYPE(FakeSystem::Volume)
Q_DECLARE_METATYPE(FakeSystem::SysctlValue)
using ServiceList = std::vector<FakeIOKit::Service>;
Q_DECLARE_METATYPE(ServiceList)

namespace {

// The debug text names every value's type, all the way down: a boolean that
// became a number, or a qint64 that became an int, does not count as equal.
#define QCOMPARE_TYPED(actual, expected)                                                                               \
    QCOMPARE(QDebug::toString(QVariant(actual)), QDebug::toString(QVariant(expected)))

QVariant int64(qint64 value)
{
    return QVariant::fromValue<qint64>(value);
}

#define QVERIFY_ALL_RELEASED(liveBefore)                                                                               \
    do {                                                                                                               \
        QCOMPARE(FakeIOKit::heldObjects(), 0);                                                                         \
        QCOMPARE(FakeIOKit::overReleases(), 0);                                                                        \
        FakeIOKit::clearRegistry();                                                                                    \
        QCOMPARE(FakeCF::liveObjects(), liveBefore);                                                                   \
        QCOMPARE(FakeCF::overReleases(), 0);                                                                           \
    } while (false)

CFDictionaryRef properties(std::initializer_list<std::pair<const char *, CFTypeRef>> entries)
{
    std::vector<std::pair<CFTypeRef, CFTypeRef>> made;
    for (const auto &[key, value] : entries)
        made.push_back({FakeCF::makeString(key), value});
    return FakeCF::makeDictionary(std::move(made));
}

// An Apple-silicon SMC: the keys endpoint below the AppleSMC service opens,
// the service itself does not; an Intel SMC opens itself. The sibling before
// the endpoint refuses to open.
std::vector<FakeIOKit::Service> appleSiliconSmc(kern_return_t endpointOpens, kern_return_t serviceOpens)
{
    return {{"AppleSMCRTKit",
             {"AppleSMC"},
             "smc@90400000",
             0x100000200,
             nullptr,
             {{"AppleSMCInterface", {}, "AppleSMCInterface", 0x100000201, nullptr, {}},
              {"AppleSMCKeysEndpoint", {}, "AppleSMCKeysEndpoint", 0x100000202, nullptr, {}, endpointOpens}},
             serviceOpens}};
}

std::vector<FakeIOKit::Service> portRegistry()
{
    using FakeIOKit::Service;
    const auto port = [](const char *name, std::uint64_t id, int number) {
        return Service {"AppleHPMInterfaceType10",
                        {},
                        name,
                        id,
                        properties({{"PortTypeDescription", FakeCF::makeString("USB-C")},
                                    {"PortNumber", FakeCF::makeInteger(number, kCFNumberSInt32Type)}}),
                        {{"IOPortTransportStateUSB2",
                          {},
                          "IOPortTransportStateUSB2",
                          id + 1,
                          properties({{"TransportDescription", FakeCF::makeString("USB2")}}),
                          {{"IOPortTransportComponentCCUSBPDSOP", {}, "SOP", id + 2, nullptr, {}}}}}};
    };
    return {{"AppleARMPE",
             {},
             "AppleARMPE",
             0x100000001,
             nullptr,
             {port("Port-USB-C@1", 0x100000a01, 1), port("Port-USB-C@2", 0x100000b01, 2)}}};
}

// One line per service found, then one for the first one's subtree.
QStringList portLines(const MacPortControllers &registry)
{
    QStringList lines;
    const QList<RegistryService> services = registry.services(QStringLiteral("AppleHPMInterfaceType10"));
    for (const RegistryService &service : services)
        lines.append(QString::number(service.entryId, 16) + u' ' + service.path.value_or(QStringLiteral("-")) + u' ' +
                     service.properties.keys().join(u','));
    const std::optional<RegistrySubtree> tree = registry.subtree(0x100000a01);
    if (!tree)
        return lines << QStringLiteral("no subtree");
    QStringList below;
    for (const RegistryNode &node : tree->descendants)
        below.append(node.className + u' ' + node.properties.keys().join(u','));
    return lines << tree->properties.keys().join(u',') + QStringLiteral(" | ") + below.join(QStringLiteral("; "));
}

} // namespace

class MacBackendsTest : public QObject
{
    Q_OBJECT

private slots:
    void convertsRegistryValues_data()
    {
        QTest::addColumn<CFMaker>("make");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("boolean true") << CFMaker([] { return CFTypeRef(FakeCF::makeBoolean(true)); }) << QVariant(true);
        QTest::newRow("32-bit integer") << CFMaker([] {
            return CFTypeRef(FakeCF::makeInteger(83, kCFNumberSInt32Type));
        }) << int64(83);
        QTest::newRow("negative 64-bit integer")
            << CFMaker([] { return CFTypeRef(FakeCF::makeInteger(-536854518)); }) << int64(-536854518);
        QTest::newRow("float") << CFMaker([] { return CFTypeRef(FakeCF::makeFloat(24.5)); }) << QVariant(24.5);
        QTest::newRow("data with NULs") << CFMaker([] {
            return CFTypeRef(FakeCF::makeData(QByteArray("\0bq\0\x01", 5)));
        }) << QVariant(QByteArray("\0bq\0\x01", 5));
        QTest::newRow("non-ASCII string") << CFMaker([] { return CFTypeRef(FakeCF::makeString("Café – Akku")); })
                                          << QVariant(QStringLiteral("Café – Akku"));
        // Three UTF-8 bytes per UTF-16 unit fill the maximum size exactly:
        // only the extra byte leaves room for the terminating NUL.
        QTest::newRow("string at the maximum size")
            << CFMaker([] { return CFTypeRef(FakeCF::makeString("電池")); }) << QVariant(QStringLiteral("電池"));
        QTest::newRow("empty string") << CFMaker([] { return CFTypeRef(FakeCF::makeString("")); })
                                      << QVariant(QString());
        QTest::newRow("nested collections")
            << CFMaker([] {
                   return CFTypeRef(FakeCF::makeDictionary({
                       {FakeCF::makeString("AdapterDetails"),
                        FakeCF::makeDictionary({{FakeCF::makeString("FamilyCode"), FakeCF::makeInteger(-536854518)},
                                                {FakeCF::makeString("IsWireless"), FakeCF::makeBoolean(false)}})},
                       {FakeCF::makeString("CellVoltage"),
                        FakeCF::makeArray({FakeCF::makeInteger(4270, kCFNumberSInt32Type), FakeCF::makeOther(),
                                           FakeCF::makeInteger(4271, kCFNumberSInt32Type)})},
                       {FakeCF::makeString("Transports"), FakeCF::makeSet({FakeCF::makeString("USB3")})},
                       {FakeCF::makeInteger(7), FakeCF::makeString("number key")},
                       {FakeCF::makeString("Opaque"), FakeCF::makeOther()},
                   }));
               })
            << QVariant(QVariantMap {
                   {QStringLiteral("AdapterDetails"),
                    QVariantMap {{QStringLiteral("FamilyCode"), int64(-536854518)},
                                 {QStringLiteral("IsWireless"), false}}},
                   {QStringLiteral("CellVoltage"), QVariantList {int64(4270), int64(4271)}},
                   {QStringLiteral("Transports"), QVariantList {QStringLiteral("USB3")}},
               });
    }

    void convertsRegistryValues()
    {
        QFETCH(CFMaker, make);
        QFETCH(QVariant, expected);
        const int liveBefore = FakeCF::liveObjects();

        CFTypeRef value = make();
        const QVariant converted = cfToVariant(value);
        QCOMPARE_TYPED(converted, expected);

        // The conversion only reads: the caller's one release frees it all.
        CFRelease(value);
        QCOMPARE(FakeCF::liveObjects(), liveBefore);
        QCOMPARE(FakeCF::overReleases(), 0);
    }

    void readsFirstBatteryService_data()
    {
        QTest::addColumn<RegistrySetup>("setup");
        QTest::addColumn<bool>("hasService");
        QTest::addColumn<QVariantMap>("expected");

        QTest::newRow("asked keys of the first service") << RegistrySetup([] {
            FakeIOKit::setRegistry(
                "AppleSmartBattery",
                {FakeCF::makeDictionary(
                     {{FakeCF::makeString("CycleCount"), FakeCF::makeInteger(120, kCFNumberSInt32Type)},
                      {FakeCF::makeString("BatteryData"),
                       FakeCF::makeDictionary({{FakeCF::makeString("DesignCapacity"), FakeCF::makeInteger(4382)}})},
                      {FakeCF::makeString("Amperage"), FakeCF::makeInteger(-1889)},
                      {FakeCF::makeString("Opaque"), FakeCF::makeOther()},
                      {FakeCF::makeString("VirtualTemperature"), FakeCF::makeInteger(3150)}}),
                 FakeCF::makeDictionary({{FakeCF::makeString("CycleCount"), FakeCF::makeInteger(999)}})});
        }) << true
                                                         << QVariantMap {
                                                                {QStringLiteral("CycleCount"), int64(120)},
                                                                {QStringLiteral("BatteryData"),
                                                                 QVariantMap {
                                                                     {QStringLiteral("DesignCapacity"), int64(4382)}}},
                                                                {QStringLiteral("Amperage"), int64(-1889)}};
        QTest::newRow("service without the asked keys")
            << RegistrySetup([] { FakeIOKit::setRegistry("AppleSmartBattery", {FakeCF::makeDictionary({})}); }) << true
            << QVariantMap();
        QTest::newRow("no battery service")
            << RegistrySetup([] { FakeIOKit::setRegistry("AppleSMC", {FakeCF::makeDictionary({})}); }) << false
            << QVariantMap();
        QTest::newRow("matching fails") << RegistrySetup([] {
            FakeIOKit::setRegistry("AppleSmartBattery", {FakeCF::makeDictionary({})}, FakeIOKit::Matching::fails);
        }) << false << QVariantMap();
        QTest::newRow("matching gives no iterator") << RegistrySetup([] {
            FakeIOKit::setRegistry("AppleSmartBattery", {FakeCF::makeDictionary({})},
                                   FakeIOKit::Matching::succeedsWithoutIterator);
        }) << false << QVariantMap();
    }

    void readsFirstBatteryService()
    {
        QFETCH(RegistrySetup, setup);
        QFETCH(bool, hasService);
        QFETCH(QVariantMap, expected);
        const int liveBefore = FakeCF::liveObjects();
        setup();

        const std::optional<QVariantMap> properties = MacBatteryService().properties(
            {QStringLiteral("CycleCount"), QStringLiteral("BatteryData"), QStringLiteral("Amperage"),
             QStringLiteral("Opaque"), QStringLiteral("Temperature")});

        QCOMPARE(FakeIOKit::lastMatchedClass(), std::string("AppleSmartBattery"));
        QCOMPARE(properties.has_value(), hasService);
        if (hasService)
            QCOMPARE_TYPED(*properties, expected);
        // The matching dictionary is left to the call that consumes it.
        QVERIFY_ALL_RELEASED(liveBefore);
    }

    void readsTextValues_data()
    {
        QTest::addColumn<FakeSystem::SysctlValue>("value");
        QTest::addColumn<std::optional<QString>>("expected");

        QTest::newRow("terminated") << FakeSystem::SysctlValue {QByteArray("MacBookPro18,3", 15)}
                                    << std::optional(QStringLiteral("MacBookPro18,3"));
        QTest::newRow("unterminated") << FakeSystem::SysctlValue {QByteArray("Mac14,7")}
                                      << std::optional(QStringLiteral("Mac14,7"));
        QTest::newRow("empty") << FakeSystem::SysctlValue {QByteArray()} << std::optional<QString>();
        QTest::newRow("size query fails")
            << FakeSystem::SysctlValue {QByteArray("Mac14,7", 8), true} << std::optional<QString>();
        QTest::newRow("read fails") << FakeSystem::SysctlValue {QByteArray("Mac14,7", 8), false, true}
                                    << std::optional<QString>();
    }

    void readsTextValues()
    {
        QFETCH(FakeSystem::SysctlValue, value);
        QFETCH(std::optional<QString>, expected);
        FakeSystem::setSysctl({{"hw.model", value}});

        QCOMPARE(MacSystemControl().text("hw.model"), expected);
        QCOMPARE(MacSystemControl().text("hw.unknown"), std::optional<QString>());
    }

    void readsIntegerValues_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::optional<qint64>>("expected");

        const auto bytesOf = [](auto value) {
            return QByteArray(reinterpret_cast<const char *>(&value), sizeof(value));
        };
        QTest::newRow("32 bits") << bytesOf(qint32(1)) << std::optional<qint64>(1);
        QTest::newRow("negative 32 bits") << bytesOf(qint32(-2)) << std::optional<qint64>(-2);
        QTest::newRow("64 bits") << bytesOf(qint64(17179869184)) << std::optional<qint64>(17179869184);
        QTest::newRow("negative 64 bits") << bytesOf(qint64(-536854518)) << std::optional<qint64>(-536854518);
        QTest::newRow("16 bits") << bytesOf(qint16(1)) << std::optional<qint64>();
    }

    void readsIntegerValues()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(std::optional<qint64>, expected);
        FakeSystem::setSysctl({{"hw.optional.arm64", FakeSystem::SysctlValue {bytes}}});

        QCOMPARE(MacSystemControl().integer("hw.optional.arm64"), expected);
        QCOMPARE(MacSystemControl().integer("hw.unknown"), std::optional<qint64>());
    }

    void readsPowerSources_data()
    {
        QTest::addColumn<bool>("available");
        QTest::addColumn<QString>("type");
        QTest::addColumn<CFMaker>("adapter");
        QTest::addColumn<ProvidingPowerSource>("expected");
        QTest::addColumn<QString>("adapterKeys");
        const CFMaker none([] { return CFTypeRef(nullptr); });
        const CFMaker charger([] {
            return CFTypeRef(properties({{"Watts", FakeCF::makeInteger(94)},
                                         {"FamilyCode", FakeCF::makeInteger(-536854518)},
                                         {"Name", FakeCF::makeString("96W USB-C Power Adapter")}}));
        });
        QTest::newRow("adapter") << true << "AC Power" << charger << ProvidingPowerSource::ac
                                 << "FamilyCode,Name,Watts";
        QTest::newRow("battery") << true << "Battery Power" << none << ProvidingPowerSource::battery << "none";
        QTest::newRow("UPS") << true << "UPS Power" << none << ProvidingPowerSource::ac << "none";
        QTest::newRow("unknown type") << true << "Off Line" << none << ProvidingPowerSource::unknown << "none";
        QTest::newRow("no type") << true << QString() << none << ProvidingPowerSource::unknown << "none";
        QTest::newRow("no information") << false << QString() << none << ProvidingPowerSource::unknown << "none";
        QTest::newRow("details of the wrong type")
            << true << "AC Power" << CFMaker([] { return CFTypeRef(FakeCF::makeString("pd charger")); })
            << ProvidingPowerSource::ac << "none";
    }

    void readsPowerSources()
    {
        QFETCH(bool, available);
        QFETCH(QString, type);
        QFETCH(CFMaker, adapter);
        QFETCH(ProvidingPowerSource, expected);
        QFETCH(QString, adapterKeys);
        const int liveBefore = FakeCF::liveObjects();
        FakeIOKit::setPowerSources(available, type.isNull() ? std::nullopt : std::optional(type.toStdString()),
                                   static_cast<CFDictionaryRef>(adapter()));

        QCOMPARE(MacPowerSource().providingSource(), expected);
        const MacExternalPower external;
        QCOMPARE(external.providingType(), type.isNull() ? std::nullopt : std::optional(type));
        const std::optional<QVariantMap> details = external.adapterDetails();
        QCOMPARE(details ? details->keys().join(u',') : QStringLiteral("none"), adapterKeys);
        // The information and the details are released once; the type belongs to the information.
        QVERIFY_ALL_RELEASED(liveBefore);
    }

    void talksToTheSmc_data()
    {
        QTest::addColumn<std::vector<FakeIOKit::Service>>("registry");
        QTest::addColumn<FakeIOKit::Faults>("faults");
        QTest::addColumn<QString>("lines");
        const QString all = QStringLiteral("TB0T|29.100\nTC0P|48.250\n");
        const auto endpointOnly = appleSiliconSmc(kIOReturnSuccess, kIOReturnUnsupported);
        QTest::newRow("Apple silicon: the keys endpoint") << endpointOnly << FakeIOKit::Faults {} << all;
        QTest::newRow("Intel: AppleSMC itself")
            << std::vector<FakeIOKit::Service> {{"AppleSMC", {}, "SMC", 0x100000300, nullptr, {}, kIOReturnSuccess}}
            << FakeIOKit::Faults {} << all;
        QTest::newRow("endpoint refuses, the service answers")
            << appleSiliconSmc(kIOReturnUnsupported, kIOReturnSuccess) << FakeIOKit::Faults {} << all;
        QTest::newRow("no child iterator, the service answers")
            << appleSiliconSmc(kIOReturnSuccess, kIOReturnSuccess) << FakeIOKit::Faults {.childIteratorFails = true}
            << all;
        QTest::newRow("SMC refuses to open")
            << appleSiliconSmc(kIOReturnNotPrivileged, kIOReturnNotPrivileged) << FakeIOKit::Faults {} << "-4";
        QTest::newRow("no SMC service") << std::vector<FakeIOKit::Service> {} << FakeIOKit::Faults {} << "-4";
        // Calls: key count, then per key its name, its info and its value.
        QTest::newRow("a key read failing halfway")
            << endpointOnly << FakeIOKit::Faults {.smcCallsFailFrom = 7} << "TB0T|29.100\n";
        QTest::newRow("the key count failing") << endpointOnly << FakeIOKit::Faults {.smcCallsFailFrom = 1} << "-5";
    }

    void talksToTheSmc()
    {
        QFETCH(std::vector<FakeIOKit::Service>, registry);
        QFETCH(FakeIOKit::Faults, faults);
        QFETCH(QString, lines);
        const int liveBefore = FakeCF::liveObjects();
        FakeIOKit::setRegistry(registry, faults);
        FakeIOKit::setSmcKeys({floatKey("TB0T", 29.1f), sp78Key("TC0P", 48.25)});

        char buffer[256] = {};
        const std::int32_t count = smc_copy_temperature_lines(MacSmcTransport(), buffer, sizeof buffer);
        QCOMPARE(count > 0 ? QString::fromLatin1(buffer) : QString::number(count), lines);
        // Every service, iterator and connection is given back once.
        QVERIFY_ALL_RELEASED(liveBefore);
    }

    void readsPortControllers_data()
    {
        QTest::addColumn<FakeIOKit::Faults>("faults");
        QTest::addColumn<QStringList>("lines");
        const QString first =
            QStringLiteral("100000a01 IOService:/AppleARMPE/Port-USB-C@1 PortNumber,PortTypeDescription");
        const QString second =
            QStringLiteral("100000b01 IOService:/AppleARMPE/Port-USB-C@2 PortNumber,PortTypeDescription");
        const QString tree = QStringLiteral("PortNumber,PortTypeDescription | IOPortTransportStateUSB2 "
                                            "TransportDescription; IOPortTransportComponentCCUSBPDSOP ");
        QTest::newRow("two ports") << FakeIOKit::Faults {} << QStringList {first, second, tree};
        QTest::newRow("properties unreadable")
            << FakeIOKit::Faults {.propertiesFail = true}
            << QStringList {first.section(u' ', 0, 1) + u' ', second.section(u' ', 0, 1) + u' ',
                            " | IOPortTransportStateUSB2 ; IOPortTransportComponentCCUSBPDSOP "};
        QTest::newRow("entry IDs unreadable") << FakeIOKit::Faults {.entryIdFails = true} << QStringList {tree};
        QTest::newRow("paths unreadable")
            << FakeIOKit::Faults {.pathFails = true}
            << QStringList {QString(first).replace("IOService:/AppleARMPE/Port-USB-C@1", "-"),
                            QString(second).replace("IOService:/AppleARMPE/Port-USB-C@2", "-"), tree};
        QTest::newRow("children unreadable") << FakeIOKit::Faults {.childIteratorFails = true}
                                             << QStringList {first, second, tree.section(u'|', 0, 0) + u'|' + u' '};
        QTest::newRow("matching fails") << FakeIOKit::Faults {.matching = FakeIOKit::Matching::fails}
                                        << QStringList {"no subtree"};
        QTest::newRow("matching gives no iterator")
            << FakeIOKit::Faults {.matching = FakeIOKit::Matching::succeedsWithoutIterator}
            << QStringList {"no subtree"};
    }

    void readsPortControllers()
    {
        QFETCH(FakeIOKit::Faults, faults);
        QFETCH(QStringList, lines);
        const int liveBefore = FakeCF::liveObjects();
        FakeIOKit::setRegistry(portRegistry(), faults);
        QCOMPARE(portLines(MacPortControllers()), lines);
        QCOMPARE(FakeIOKit::lastMatchedClass(), std::string("AppleHPMInterfaceType10"));
        QVERIFY_ALL_RELEASED(liveBefore);
    }

    void readsVolumeCapacities_data()
    {
        QTest::addColumn<FakeSystem::Volume>("volume");
        QTest::addColumn<QString>("expected");
        const std::map<std::string, long long> all {{"NSURLVolumeTotalCapacityKey", 494384795648},
                                                    {"NSURLVolumeAvailableCapacityKey", 120000000000},
                                                    {"NSURLVolumeAvailableCapacityForImportantUsageKey", 180000000000}};
        QTest::newRow("all three") << FakeSystem::Volume {all} << "494384795648 180000000000 120000000000";
        QTest::newRow("one missing, one text") << FakeSystem::Volume {{{"NSURLVolumeTotalCapacityKey", 494384795648}},
                                                                      {{"NSURLVolumeAvailableCapacityKey", "120 GB"}}}
                                               << "494384795648 - -";
        QTest::newRow("no URL") << FakeSystem::Volume {all, {}, true} << "- - -";
    }

    void readsVolumeCapacities()
    {
        QFETCH(FakeSystem::Volume, volume);
        QFETCH(QString, expected);
        const int liveBefore = FakeCF::liveObjects();
        FakeSystem::setVolume(volume);
        const VolumeCapacities capacities = MacStorageDevice().startupVolumeCapacities();
        const auto shown = [](std::optional<qint64> value) {
            return value ? QString::number(*value) : QStringLiteral("-");
        };
        QCOMPARE(QStringList({shown(capacities.total), shown(capacities.availableForImportantUsage),
                              shown(capacities.available)})
                     .join(u' '),
                 expected);
        QCOMPARE(FakeCF::liveObjects(), liveBefore);
        QCOMPARE(FakeCF::overReleases(), 0);
    }

    void dressesTheWindow_data()
    {
        QTest::addColumn<FakeObjC::Setup>("setup");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<unsigned long>("styleMask");

        const QStringList common {
            "NSView window",
            "NSWindow setTitlebarAppearsTransparent: 1",
            "NSWindow setTitleVisibility: 1",
            "NSWindow styleMask",
            "NSWindow setStyleMask: 32783",
            "NSWindow setMovableByWindowBackground: 1",
            "NSWindow setToolbar: 0",
            "NSWindow respondsToSelector: setTitlebarSeparatorStyle:",
        };
        QTest::newRow("macOS 11 and later")
            << FakeObjC::Setup {} << common + QStringList {"NSWindow setTitlebarSeparatorStyle: 1"} << 32783UL;
        QTest::newRow("macOS 10.15: no separator style") << FakeObjC::Setup {true, 15, false} << common << 32783UL;
        // Applying twice (the window's state changed) keeps the other bits.
        QTest::newRow("mask already full size")
            << FakeObjC::Setup {true, 32768 | 8, false}
            << QStringList(common).replaceInStrings("setStyleMask: 32783", "setStyleMask: 32776") << 32776UL;
        QTest::newRow("view not yet in a window") << FakeObjC::Setup {false} << QStringList {"NSView window"} << 15UL;
    }

    void dressesTheWindow()
    {
        QFETCH(FakeObjC::Setup, setup);
        QFETCH(QStringList, messages);
        QFETCH(unsigned long, styleMask);
        FakeObjC::reset(setup);
        applyMacWindowChromeToView(FakeObjC::view());
        QCOMPARE(FakeObjC::messages(), messages);
        QCOMPARE(FakeObjC::styleMask(), styleMask);
    }

    void readsThermalState_data()
    {
        QTest::addColumn<FakeObjC::Setup>("setup");
        QTest::addColumn<std::optional<qint64>>("expected");
        QTest::newRow("serious") << FakeObjC::Setup {.thermalState = 2} << std::optional<qint64>(2);
        QTest::newRow("no process-information class")
            << FakeObjC::Setup {.hasProcessInfoClass = false} << std::optional<qint64>();
        QTest::newRow("no shared object") << FakeObjC::Setup {.processInfoAnswers = false} << std::optional<qint64>();
    }

    void readsThermalState()
    {
        QFETCH(FakeObjC::Setup, setup);
        QFETCH(std::optional<qint64>, expected);
        FakeObjC::reset(setup);
        QCOMPARE(MacThermalState().thermalState(), expected);
    }
};

QTEST_GUILESS_MAIN(MacBackendsTest)
#include "MacBackendsTest.moc"
