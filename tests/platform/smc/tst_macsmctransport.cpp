// The macOS SMC transport against a stand-in AppleSMC service: which
// registry entry it opens, that every object it takes is released, and that
// the records reach the driver through selector 2 at 80 bytes.
#include "platform/macos/MacSmcTransport.h"
#include "platform/smc/SmcAccess.h"
#include "platform/smc/SmcKeyTable.h"
#include "support/FakeSmc.h"

#include <IOKit/IOKitLib.h>
#include <mach/mach_init.h>

#include <QTest>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr io_service_t smcService = 10;
constexpr io_iterator_t childIterator = 20;
constexpr io_object_t firstChild = 100;
constexpr io_connect_t serviceConnection = 500;
constexpr io_connect_t firstChildConnection = 600;
constexpr kern_return_t unsupported = kern_return_t(0xE00002C7);

struct Child
{
    std::string name;
    kern_return_t openStatus = KERN_SUCCESS;
    bool givesHandle = true;
};

// The AppleSMC service as the registry shows it, and what was done with it.
struct FakeAppleSmc
{
    bool hasService = true;
    bool iteratorFails = false;
    kern_return_t serviceOpenStatus = KERN_SUCCESS;
    std::vector<Child> children;
    std::unique_ptr<SmcKeyTable> keys;

    size_t nextChild = 0;
    int heldObjects = 0;
    std::set<io_connect_t> openConnections;
    std::vector<std::string> openedNames;
    bool wrongCall = false;
};

FakeAppleSmc smc;

} // namespace

extern "C" {

mach_port_t mach_task_self_ = 1;

CFMutableDictionaryRef IOServiceMatching(const char *name)
{
    static char matching;
    return std::strcmp(name, "AppleSMC") == 0 ? reinterpret_cast<CFMutableDictionaryRef>(&matching) : nullptr;
}

io_service_t IOServiceGetMatchingService(mach_port_t, CFDictionaryRef matching)
{
    if (!smc.hasService || !matching)
        return IO_OBJECT_NULL;
    ++smc.heldObjects;
    return smcService;
}

kern_return_t IORegistryEntryCreateIterator(io_registry_entry_t entry, const io_name_t plane, IOOptionBits options,
                                            io_iterator_t *iterator)
{
    if (smc.iteratorFails || entry != smcService || std::strcmp(plane, kIOServicePlane) != 0 ||
        options != kIORegistryIterateRecursively)
        return unsupported;
    ++smc.heldObjects;
    smc.nextChild = 0;
    *iterator = childIterator;
    return KERN_SUCCESS;
}

io_object_t IOIteratorNext(io_iterator_t iterator)
{
    if (iterator != childIterator || smc.nextChild >= smc.children.size())
        return IO_OBJECT_NULL;
    ++smc.heldObjects;
    return firstChild + io_object_t(smc.nextChild++);
}

kern_return_t IORegistryEntryGetName(io_registry_entry_t entry, io_name_t name)
{
    std::strncpy(name, smc.children.at(entry - firstChild).name.c_str(), sizeof(io_name_t) - 1);
    return KERN_SUCCESS;
}

kern_return_t IOObjectRelease(io_object_t)
{
    --smc.heldObjects;
    return KERN_SUCCESS;
}

kern_return_t IOServiceOpen(io_service_t service, task_port_t task, uint32_t type, io_connect_t *connect)
{
    smc.wrongCall = smc.wrongCall || task != mach_task_self() || type != 0;
    const bool isService = service == smcService;
    const Child *child = isService ? nullptr : &smc.children.at(service - firstChild);
    smc.openedNames.push_back(isService ? "AppleSMC" : child->name);
    const kern_return_t status = isService ? smc.serviceOpenStatus : child->openStatus;
    *connect = 0;
    if (status == KERN_SUCCESS && (isService || child->givesHandle)) {
        *connect = isService ? serviceConnection : firstChildConnection + (service - firstChild);
        smc.openConnections.insert(*connect);
    }
    return status;
}

kern_return_t IOServiceClose(io_connect_t connect)
{
    return smc.openConnections.erase(connect) == 1 ? KERN_SUCCESS : unsupported;
}

kern_return_t IOConnectCallStructMethod(mach_port_t connection, uint32_t selector, const void *input, size_t inputSize,
                                        void *output, size_t *outputSize)
{
    if (!smc.openConnections.count(connection) || selector != 2 || inputSize != sizeof(SMCParamRecord) ||
        *outputSize != sizeof(SMCParamRecord) || !smc.keys) {
        smc.wrongCall = true;
        return unsupported;
    }
    return smc.keys->exchange(*static_cast<const SMCParamRecord *>(input), *static_cast<SMCParamRecord *>(output));
}

} // extern "C"

class MacSmcTransportTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { smc = FakeAppleSmc(); }

    void opening_data()
    {
        QTest::addColumn<int>("setup");
        QTest::addColumn<int>("status");
        QTest::addColumn<uint>("connection");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("keys endpoint") << 0 << 0 << uint(firstChildConnection + 1)
                                       << QStringList {"AppleSMCKeysEndpoint"};
        QTest::newRow("endpoint refuses")
            << 1 << 0 << uint(serviceConnection) << QStringList {"AppleSMCKeysEndpoint", "AppleSMC"};
        QTest::newRow("endpoint without handle")
            << 2 << 0 << uint(serviceConnection) << QStringList {"AppleSMCKeysEndpoint", "AppleSMC"};
        QTest::newRow("no endpoint") << 3 << 0 << uint(serviceConnection) << QStringList {"AppleSMC"};
        QTest::newRow("no iterator") << 4 << 0 << uint(serviceConnection) << QStringList {"AppleSMC"};
        QTest::newRow("nothing opens") << 5 << int(unsupported) << 0u
                                       << QStringList {"AppleSMCKeysEndpoint", "AppleSMC"};
        QTest::newRow("no service") << 6 << 5 << 0u << QStringList {};
    }
    void opening()
    {
        QFETCH(int, setup);
        QFETCH(int, status);
        QFETCH(uint, connection);
        QFETCH(QStringList, opened);
        smc.children = {{"AppleSMCInterface"}, {"AppleSMCKeysEndpoint"}, {"AppleSMCKeysEndpoint"}};
        if (setup == 1 || setup == 5)
            smc.children[1].openStatus = unsupported;
        if (setup == 2)
            smc.children[1].givesHandle = false;
        if (setup == 3)
            smc.children = {{"AppleSMCInterface"}};
        smc.iteratorFails = setup == 4;
        if (setup == 5)
            smc.serviceOpenStatus = unsupported;
        smc.hasService = setup != 6;

        const MacSmcTransport transport;
        SmcConnection opening = 0;
        QCOMPARE(transport.open(opening), status);
        QCOMPARE(uint(opening), connection);
        QStringList names;
        for (const std::string &name : smc.openedNames)
            names.append(QString::fromStdString(name));
        QCOMPARE(names, opened);
        QCOMPARE(smc.heldObjects, 0);
        QVERIFY(!smc.wrongCall);
        if (opening != 0)
            transport.close(opening);
        QVERIFY(smc.openConnections.empty());
    }

    void temperaturesThroughTheDriver()
    {
        smc.children = {{"AppleSMCKeysEndpoint"}};
        smc.keys = std::make_unique<SmcKeyTable>(QList<SmcKey> {sp78Key("TC0P", 48.25), floatKey("Tp01", 40)});
        char buffer[256] = {};
        QCOMPARE(smc_copy_temperature_lines(MacSmcTransport(), buffer, sizeof buffer), 2);
        QCOMPARE(QByteArray(buffer), QByteArray("TC0P|48.250\nTp01|40.000\n"));
        QVERIFY(!smc.wrongCall);
        QVERIFY(smc.openConnections.empty());
        QCOMPARE(smc.heldObjects, 0);
    }

    void noSmc()
    {
        smc.hasService = false;
        char buffer[16];
        QCOMPARE(smc_copy_temperature_lines(MacSmcTransport(), buffer, sizeof buffer), -4);
        QCOMPARE(smc_copy_fan_lines(MacSmcTransport(), buffer, sizeof buffer), -4);
    }
};

QTEST_GUILESS_MAIN(MacSmcTransportTest)
#include "tst_macsmctransport.moc"
