#include "FakeCoreFoundation.h"
#include "FakeIOKit.h"

#include "platform/macos/CFVariant.h"
#include "platform/macos/MacBatteryService.h"
#include "platform/macos/MacPowerSource.h"
#include "platform/macos/MacSystemControl.h"

#include <QTest>

#include <sys/sysctl.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>

using CFMaker = std::function<CFTypeRef()>;
using RegistrySetup = std::function<void()>;
Q_DECLARE_METATYPE(CFMaker)
Q_DECLARE_METATYPE(RegistrySetup)

namespace {

// Equal values of exactly the same types, all the way down: a boolean that
// became a number, or a qint64 that became an int, does not count as equal.
bool sameVariant(const QVariant &actual, const QVariant &expected)
{
    if (actual.typeId() != expected.typeId())
        return false;
    if (expected.typeId() == QMetaType::QVariantMap) {
        const QVariantMap actualMap = actual.toMap();
        const QVariantMap expectedMap = expected.toMap();
        if (actualMap.keys() != expectedMap.keys())
            return false;
        for (auto it = expectedMap.cbegin(); it != expectedMap.cend(); ++it) {
            if (!sameVariant(actualMap.value(it.key()), it.value()))
                return false;
        }
        return true;
    }
    if (expected.typeId() == QMetaType::QVariantList) {
        const QVariantList actualList = actual.toList();
        const QVariantList expectedList = expected.toList();
        if (actualList.size() != expectedList.size())
            return false;
        for (qsizetype index = 0; index < expectedList.size(); ++index) {
            if (!sameVariant(actualList.at(index), expectedList.at(index)))
                return false;
        }
        return true;
    }
    return actual == expected;
}

QVariant int64(qint64 value)
{
    return QVariant::fromValue<qint64>(value);
}

struct SysctlValue
{
    QByteArray bytes;
    bool sizeQueryFails = false;
    bool readFails = false;
};
std::map<std::string, SysctlValue> sysctlValues;

// What the power-source information holds: nothing at all, or a providing
// type (none when the type is left out).
struct PowerSourcesInfo
{
    bool available = false;
    const char *providingType = nullptr;
};
PowerSourcesInfo powerSourcesInfo;

} // namespace

extern "C" CFTypeRef IOPSCopyPowerSourcesInfo(void)
{
    if (!powerSourcesInfo.available)
        return nullptr;
    std::vector<std::pair<CFTypeRef, CFTypeRef>> entries;
    if (powerSourcesInfo.providingType)
        entries.push_back({FakeCF::makeString("Providing"), FakeCF::makeString(powerSourcesInfo.providingType)});
    return FakeCF::makeDictionary(std::move(entries));
}

extern "C" CFStringRef IOPSGetProvidingPowerSourceType(CFTypeRef snapshot)
{
    return static_cast<CFStringRef>(FakeCF::dictionaryValue(static_cast<CFDictionaryRef>(snapshot), "Providing"));
}

// The kernel's side of sysctlbyname, for the values a test sets up.
extern "C" int sysctlbyname(const char *name, void *oldp, size_t *oldlenp, void *, size_t)
{
    const auto found = sysctlValues.find(name);
    if (found == sysctlValues.end())
        return -1;
    const SysctlValue &value = found->second;
    const auto size = static_cast<size_t>(value.bytes.size());
    if (!oldp) {
        if (value.sizeQueryFails)
            return -1;
        *oldlenp = size;
        return 0;
    }
    if (value.readFails || *oldlenp < size)
        return -1;
    std::memcpy(oldp, value.bytes.constData(), size);
    *oldlenp = size;
    return 0;
}

class MacBackendsTest : public QObject
{
    Q_OBJECT

private slots:
    void convertsRegistryValues_data()
    {
        QTest::addColumn<CFMaker>("make");
        QTest::addColumn<QVariant>("expected");

        QTest::newRow("boolean true") << CFMaker([] { return CFTypeRef(FakeCF::makeBoolean(true)); }) << QVariant(true);
        QTest::newRow("boolean false") << CFMaker([] { return CFTypeRef(FakeCF::makeBoolean(false)); })
                                       << QVariant(false);
        QTest::newRow("32-bit integer") << CFMaker([] {
            return CFTypeRef(FakeCF::makeInteger(83, kCFNumberSInt32Type));
        }) << int64(83);
        QTest::newRow("negative 64-bit integer")
            << CFMaker([] { return CFTypeRef(FakeCF::makeInteger(-536854518)); }) << int64(-536854518);
        QTest::newRow("float") << CFMaker([] { return CFTypeRef(FakeCF::makeFloat(24.5)); }) << QVariant(24.5);
        QTest::newRow("data with NULs") << CFMaker([] {
            return CFTypeRef(FakeCF::makeData(QByteArray("\0bq\0\x01", 5)));
        }) << QVariant(QByteArray("\0bq\0\x01", 5));
        QTest::newRow("empty data") << CFMaker([] { return CFTypeRef(FakeCF::makeData(QByteArray())); })
                                    << QVariant(QByteArray(""));
        QTest::newRow("non-ASCII string") << CFMaker([] { return CFTypeRef(FakeCF::makeString("Café – Akku")); })
                                          << QVariant(QStringLiteral("Café – Akku"));
        // Three UTF-8 bytes per UTF-16 unit fill the maximum size exactly:
        // only the extra byte leaves room for the terminating NUL.
        QTest::newRow("string at the maximum size")
            << CFMaker([] { return CFTypeRef(FakeCF::makeString("電池")); }) << QVariant(QStringLiteral("電池"));
        QTest::newRow("empty string") << CFMaker([] { return CFTypeRef(FakeCF::makeString("")); })
                                      << QVariant(QString());
        QTest::newRow("unknown type") << CFMaker([] { return FakeCF::makeOther(); }) << QVariant();
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
        QVERIFY2(sameVariant(converted, expected), qPrintable(QDebug::toString(converted)));

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
            QVERIFY2(sameVariant(*properties, expected), qPrintable(QDebug::toString(*properties)));
        // Services and iterators are released once, the matching dictionary
        // is left to the call that consumes it, every key and value is freed.
        QCOMPARE(FakeIOKit::heldObjects(), 0);
        QCOMPARE(FakeIOKit::overReleases(), 0);
        FakeIOKit::clearRegistry();
        QCOMPARE(FakeCF::liveObjects(), liveBefore);
        QCOMPARE(FakeCF::overReleases(), 0);
    }

    void readsTextValues_data()
    {
        QTest::addColumn<SysctlValue>("value");
        QTest::addColumn<std::optional<QString>>("expected");

        QTest::newRow("terminated") << SysctlValue {QByteArray("MacBookPro18,3", 15)}
                                    << std::optional(QStringLiteral("MacBookPro18,3"));
        QTest::newRow("unterminated") << SysctlValue {QByteArray("Mac14,7")}
                                      << std::optional(QStringLiteral("Mac14,7"));
        QTest::newRow("empty") << SysctlValue {QByteArray()} << std::optional<QString>();
        QTest::newRow("size query fails") << SysctlValue {QByteArray("Mac14,7", 8), true} << std::optional<QString>();
        QTest::newRow("read fails") << SysctlValue {QByteArray("Mac14,7", 8), false, true} << std::optional<QString>();
    }

    void readsTextValues()
    {
        QFETCH(SysctlValue, value);
        QFETCH(std::optional<QString>, expected);
        sysctlValues = {{"hw.model", value}};

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
        sysctlValues = {{"hw.optional.arm64", SysctlValue {bytes}}};

        QCOMPARE(MacSystemControl().integer("hw.optional.arm64"), expected);
        QCOMPARE(MacSystemControl().integer("hw.unknown"), std::optional<qint64>());
    }

    void readsProvidingPowerSource_data()
    {
        QTest::addColumn<PowerSourcesInfo>("info");
        QTest::addColumn<ProvidingPowerSource>("expected");
        QTest::newRow("adapter") << PowerSourcesInfo {true, "AC Power"} << ProvidingPowerSource::ac;
        QTest::newRow("battery") << PowerSourcesInfo {true, "Battery Power"} << ProvidingPowerSource::battery;
        QTest::newRow("UPS") << PowerSourcesInfo {true, "UPS Power"} << ProvidingPowerSource::ac;
        QTest::newRow("unknown type") << PowerSourcesInfo {true, "Off Line"} << ProvidingPowerSource::unknown;
        QTest::newRow("no type") << PowerSourcesInfo {true, nullptr} << ProvidingPowerSource::unknown;
        QTest::newRow("no information") << PowerSourcesInfo {false, nullptr} << ProvidingPowerSource::unknown;
    }

    void readsProvidingPowerSource()
    {
        QFETCH(PowerSourcesInfo, info);
        QFETCH(ProvidingPowerSource, expected);
        const int liveBefore = FakeCF::liveObjects();
        powerSourcesInfo = info;
        QCOMPARE(MacPowerSource().providingSource(), expected);
        // The information is released once; the type belongs to it.
        QCOMPARE(FakeCF::liveObjects(), liveBefore);
        QCOMPARE(FakeCF::overReleases(), 0);
    }
};

QTEST_GUILESS_MAIN(MacBackendsTest)
#include "MacBackendsTest.moc"
