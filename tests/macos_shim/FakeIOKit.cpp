#include "FakeIOKit.h"

#include "FakeCoreFoundation.h"

#include <IOKit/ps/IOPowerSources.h>

#include <cstring>
#include <functional>
#include <map>
#include <memory>

namespace {

struct Handle
{
    enum Kind { service, iterator, connection } kind = service;
    const FakeIOKit::Service *entry = nullptr;
    std::vector<const FakeIOKit::Service *> walk; // an iterator's entries
    size_t position = 0;
    int references = 1;
};

struct Registry
{
    std::vector<FakeIOKit::Service> roots;
    FakeIOKit::Faults faults;
    std::map<const FakeIOKit::Service *, std::string> paths;
    std::string lastMatchedClass;
    std::map<io_object_t, Handle> handles;
    io_object_t nextHandle = 100;
    int overReleases = 0;

    std::unique_ptr<SmcKeyTable> smc;
    int smcCalls = 0;

    bool powerSourcesAvailable = false;
    std::optional<std::string> providingType;
    CFDictionaryRef adapterDetails = nullptr;

    io_object_t give(Handle handle)
    {
        handles[nextHandle] = std::move(handle);
        return nextHandle++;
    }
    Handle *held(io_object_t object, Handle::Kind kind)
    {
        const auto found = handles.find(object);
        if (found == handles.end() || found->second.references <= 0 || found->second.kind != kind)
            return nullptr;
        return &found->second;
    }
    const FakeIOKit::Service *service(io_object_t object)
    {
        const Handle *handle = held(object, Handle::service);
        return handle ? handle->entry : nullptr;
    }
    void forEach(const std::function<void(const FakeIOKit::Service &)> &visit) const
    {
        const std::function<void(const FakeIOKit::Service &)> walk = [&](const FakeIOKit::Service &entry) {
            visit(entry);
            for (const FakeIOKit::Service &child : entry.children)
                walk(child);
        };
        for (const FakeIOKit::Service &root : roots)
            walk(root);
    }
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

void releaseProperties(const FakeIOKit::Service &entry)
{
    if (entry.properties)
        CFRelease(entry.properties);
    for (const FakeIOKit::Service &child : entry.children)
        releaseProperties(child);
}

void notePaths(const FakeIOKit::Service &entry, const std::string &parent)
{
    const std::string path = parent + "/" + entry.name;
    registry().paths[&entry] = path;
    for (const FakeIOKit::Service &child : entry.children)
        notePaths(child, path);
}

std::string text(CFTypeRef string)
{
    char buffer[512] = {};
    if (!string || CFGetTypeID(string) != CFStringGetTypeID() ||
        !CFStringGetCString(static_cast<CFStringRef>(string), buffer, sizeof buffer, kCFStringEncodingUTF8))
        return {};
    return buffer;
}

bool matches(const FakeIOKit::Service &entry, CFDictionaryRef matching)
{
    if (const CFTypeRef className = FakeCF::dictionaryValue(matching, "IOProviderClass")) {
        const std::string wanted = text(className);
        if (entry.className == wanted)
            return true;
        for (const std::string &also : entry.matchesAs) {
            if (also == wanted)
                return true;
        }
        return false;
    }
    if (const CFTypeRef entryId = FakeCF::dictionaryValue(matching, "IORegistryEntryID")) {
        SInt64 wanted = 0;
        CFNumberGetValue(static_cast<CFNumberRef>(entryId), kCFNumberSInt64Type, &wanted);
        return entry.entryId == std::uint64_t(wanted);
    }
    return false;
}

// The services a matching dictionary names, in registry order; consumes it.
std::vector<const FakeIOKit::Service *> matchingServices(CFDictionaryRef matching)
{
    Registry &fake = registry();
    if (const CFTypeRef className = FakeCF::dictionaryValue(matching, "IOProviderClass"))
        fake.lastMatchedClass = text(className);
    std::vector<const FakeIOKit::Service *> found;
    fake.forEach([&](const FakeIOKit::Service &entry) {
        if (matches(entry, matching))
            found.push_back(&entry);
    });
    CFRelease(matching);
    return found;
}

} // namespace

namespace FakeIOKit {

void setRegistry(std::vector<Service> roots, Faults faults)
{
    clearRegistry();
    registry().roots = std::move(roots);
    registry().faults = faults;
    for (const Service &root : registry().roots)
        notePaths(root, "IOService:");
}

void setRegistry(const std::string &serviceClass, std::vector<CFDictionaryRef> services, Matching matching)
{
    std::vector<Service> roots;
    std::uint64_t entryId = 0x100000100;
    for (CFDictionaryRef properties : services)
        roots.push_back({serviceClass, {}, serviceClass, entryId++, properties, {}});
    setRegistry(std::move(roots), {matching});
}

void clearRegistry()
{
    for (const Service &root : registry().roots)
        releaseProperties(root);
    if (registry().adapterDetails)
        CFRelease(registry().adapterDetails);
    registry() = Registry();
}

void setSmcKeys(QList<SmcKey> keys)
{
    registry().smc = std::make_unique<SmcKeyTable>(std::move(keys));
}

void setPowerSources(bool available, std::optional<std::string> providingType, CFDictionaryRef adapterDetails)
{
    Registry &fake = registry();
    if (fake.adapterDetails)
        CFRelease(fake.adapterDetails);
    fake.powerSourcesAvailable = available;
    fake.providingType = std::move(providingType);
    fake.adapterDetails = adapterDetails;
}

std::string lastMatchedClass()
{
    return registry().lastMatchedClass;
}

int heldObjects()
{
    int held = 0;
    for (const auto &entry : registry().handles)
        held += entry.second.references > 0 ? 1 : 0;
    return held;
}

int overReleases()
{
    return registry().overReleases;
}

} // namespace FakeIOKit

extern "C" {

mach_port_t mach_task_self_ = 0x103;

CFMutableDictionaryRef IOServiceMatching(const char *name)
{
    auto matching = FakeCF::makeDictionary({{FakeCF::makeString("IOProviderClass"), FakeCF::makeString(name)}});
    return const_cast<CFMutableDictionaryRef>(matching);
}

CFMutableDictionaryRef IORegistryEntryIDMatching(uint64_t entryID)
{
    auto matching =
        FakeCF::makeDictionary({{FakeCF::makeString("IORegistryEntryID"), FakeCF::makeInteger(SInt64(entryID))}});
    return const_cast<CFMutableDictionaryRef>(matching);
}

kern_return_t IOServiceGetMatchingServices(mach_port_t, CFDictionaryRef matching, io_iterator_t *existing)
{
    Registry &fake = registry();
    std::vector<const FakeIOKit::Service *> found = matchingServices(matching);
    if (fake.faults.matching == FakeIOKit::Matching::fails)
        return kIOReturnError;
    if (fake.faults.matching == FakeIOKit::Matching::succeedsWithoutIterator) {
        *existing = IO_OBJECT_NULL;
        return kIOReturnSuccess;
    }
    *existing = fake.give({Handle::iterator, nullptr, std::move(found)});
    return kIOReturnSuccess;
}

io_service_t IOServiceGetMatchingService(mach_port_t, CFDictionaryRef matching)
{
    Registry &fake = registry();
    const std::vector<const FakeIOKit::Service *> found = matchingServices(matching);
    if (found.empty() || fake.faults.matching != FakeIOKit::Matching::succeeds)
        return IO_OBJECT_NULL;
    return fake.give({Handle::service, found.front()});
}

io_object_t IOIteratorNext(io_iterator_t iterator)
{
    Registry &fake = registry();
    Handle *walking = fake.held(iterator, Handle::iterator);
    if (!walking || walking->position >= walking->walk.size())
        return IO_OBJECT_NULL;
    return fake.give({Handle::service, walking->walk[walking->position++]});
}

kern_return_t IORegistryEntryCreateIterator(io_registry_entry_t entry, const io_name_t, IOOptionBits options,
                                            io_iterator_t *iterator)
{
    Registry &fake = registry();
    const FakeIOKit::Service *service = fake.service(entry);
    if (!service || fake.faults.childIteratorFails)
        return kIOReturnBadArgument;
    std::vector<const FakeIOKit::Service *> below;
    const std::function<void(const FakeIOKit::Service &)> walk = [&](const FakeIOKit::Service &parent) {
        for (const FakeIOKit::Service &child : parent.children) {
            below.push_back(&child);
            if (options & kIORegistryIterateRecursively)
                walk(child);
        }
    };
    walk(*service);
    *iterator = fake.give({Handle::iterator, nullptr, std::move(below)});
    return kIOReturnSuccess;
}

CFTypeRef IORegistryEntryCreateCFProperty(io_registry_entry_t entry, CFStringRef key, CFAllocatorRef, IOOptionBits)
{
    const FakeIOKit::Service *service = registry().service(entry);
    if (!service || !service->properties)
        return nullptr;
    const CFTypeRef value = FakeCF::dictionaryValue(service->properties, text(key).c_str());
    return value ? CFRetain(value) : nullptr;
}

kern_return_t IORegistryEntryCreateCFProperties(io_registry_entry_t entry, CFMutableDictionaryRef *properties,
                                                CFAllocatorRef, IOOptionBits)
{
    Registry &fake = registry();
    const FakeIOKit::Service *service = fake.service(entry);
    if (!service || fake.faults.propertiesFail)
        return kIOReturnError;
    const CFDictionaryRef copy =
        service->properties ? static_cast<CFDictionaryRef>(CFRetain(service->properties)) : FakeCF::makeDictionary({});
    *properties = const_cast<CFMutableDictionaryRef>(copy);
    return kIOReturnSuccess;
}

kern_return_t IORegistryEntryGetRegistryEntryID(io_registry_entry_t entry, uint64_t *entryID)
{
    Registry &fake = registry();
    const FakeIOKit::Service *service = fake.service(entry);
    if (!service || fake.faults.entryIdFails)
        return kIOReturnBadArgument;
    *entryID = service->entryId;
    return kIOReturnSuccess;
}

kern_return_t IORegistryEntryGetName(io_registry_entry_t entry, io_name_t name)
{
    const FakeIOKit::Service *service = registry().service(entry);
    if (!service)
        return kIOReturnBadArgument;
    // The name without its location.
    std::strncpy(name, service->name.substr(0, service->name.find('@')).c_str(), sizeof(io_name_t) - 1);
    return kIOReturnSuccess;
}

CFStringRef IORegistryEntryCopyPath(io_registry_entry_t entry, const io_name_t)
{
    Registry &fake = registry();
    const FakeIOKit::Service *service = fake.service(entry);
    if (!service || fake.faults.pathFails)
        return nullptr;
    return FakeCF::makeString(fake.paths.at(service).c_str());
}

CFStringRef IOObjectCopyClass(io_object_t object)
{
    const FakeIOKit::Service *service = registry().service(object);
    return service ? FakeCF::makeString(service->className.c_str()) : nullptr;
}

kern_return_t IOObjectRelease(io_object_t object)
{
    Registry &fake = registry();
    const auto found = fake.handles.find(object);
    if (found == fake.handles.end() || found->second.references <= 0 || found->second.kind == Handle::connection) {
        ++fake.overReleases;
        return kIOReturnBadArgument;
    }
    --found->second.references;
    return kIOReturnSuccess;
}

kern_return_t IOServiceOpen(io_service_t service, task_port_t owningTask, uint32_t type, io_connect_t *connect)
{
    Registry &fake = registry();
    const FakeIOKit::Service *entry = fake.service(service);
    if (!entry || owningTask != mach_task_self_ || type != 0)
        return kIOReturnBadArgument;
    if (entry->opens != kIOReturnSuccess)
        return entry->opens;
    *connect = fake.give({Handle::connection, entry});
    return kIOReturnSuccess;
}

kern_return_t IOServiceClose(io_connect_t connect)
{
    Registry &fake = registry();
    Handle *connection = fake.held(connect, Handle::connection);
    if (!connection) {
        ++fake.overReleases;
        return kIOReturnBadArgument;
    }
    --connection->references;
    return kIOReturnSuccess;
}

kern_return_t IOConnectCallStructMethod(mach_port_t connection, uint32_t selector, const void *inputStruct,
                                        size_t inputStructCnt, void *outputStruct, size_t *outputStructCnt)
{
    Registry &fake = registry();
    if (!fake.held(connection, Handle::connection) || !fake.smc || selector != smcRecordSelector ||
        inputStructCnt != sizeof(SMCParamRecord) || !outputStructCnt || *outputStructCnt != sizeof(SMCParamRecord))
        return kIOReturnBadArgument;
    ++fake.smcCalls;
    if (fake.faults.smcCallsFailFrom > 0 && fake.smcCalls >= fake.faults.smcCallsFailFrom)
        return kIOReturnError;
    SMCParamRecord input;
    SMCParamRecord output;
    std::memcpy(&input, inputStruct, sizeof input);
    const SmcStatus status = fake.smc->exchange(input, output);
    std::memcpy(outputStruct, &output, sizeof output);
    return status;
}

CFTypeRef IOPSCopyPowerSourcesInfo(void)
{
    Registry &fake = registry();
    if (!fake.powerSourcesAvailable)
        return nullptr;
    std::vector<std::pair<CFTypeRef, CFTypeRef>> entries;
    if (fake.providingType)
        entries.push_back({FakeCF::makeString("Providing"), FakeCF::makeString(fake.providingType->c_str())});
    return FakeCF::makeDictionary(std::move(entries));
}

CFStringRef IOPSGetProvidingPowerSourceType(CFTypeRef snapshot)
{
    return static_cast<CFStringRef>(FakeCF::dictionaryValue(static_cast<CFDictionaryRef>(snapshot), "Providing"));
}

CFDictionaryRef IOPSCopyExternalPowerAdapterDetails(void)
{
    const CFDictionaryRef details = registry().adapterDetails;
    return details ? static_cast<CFDictionaryRef>(CFRetain(details)) : nullptr;
}

} // extern "C"
