#include "FakeIOKit.h"

#include "FakeCoreFoundation.h"

#include <map>

namespace {

struct Registry
{
    std::string serviceClass;
    std::vector<CFDictionaryRef> services;
    FakeIOKit::Matching matching = FakeIOKit::Matching::succeeds;
    std::string lastMatchedClass;

    // Handles given out: an iterator walks the services, a service handle
    // stands for one of them.
    struct Handle
    {
        bool isIterator = false;
        size_t position = 0; // next service of an iterator, or the service itself
        int references = 1;
    };
    std::map<io_object_t, Handle> handles;
    io_object_t nextHandle = 100;
    int overReleases = 0;

    io_object_t give(Handle handle)
    {
        handles[nextHandle] = handle;
        return nextHandle++;
    }
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

} // namespace

namespace FakeIOKit {

void setRegistry(const std::string &serviceClass, std::vector<CFDictionaryRef> services, Matching matching)
{
    clearRegistry();
    registry().serviceClass = serviceClass;
    registry().services = std::move(services);
    registry().matching = matching;
}

void clearRegistry()
{
    for (CFDictionaryRef service : registry().services)
        CFRelease(service);
    registry() = Registry();
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

CFMutableDictionaryRef IOServiceMatching(const char *name)
{
    auto matching = FakeCF::makeDictionary({{FakeCF::makeString("IOProviderClass"), FakeCF::makeString(name)}});
    return const_cast<CFMutableDictionaryRef>(matching);
}

kern_return_t IOServiceGetMatchingServices(mach_port_t, CFDictionaryRef matching, io_iterator_t *existing)
{
    Registry &fake = registry();
    const auto className = static_cast<CFStringRef>(FakeCF::dictionaryValue(matching, "IOProviderClass"));
    char name[128] = {};
    CFStringGetCString(className, name, sizeof(name), kCFStringEncodingUTF8);
    fake.lastMatchedClass = name;
    CFRelease(matching);

    if (fake.matching == FakeIOKit::Matching::fails)
        return kIOReturnError;
    if (fake.matching == FakeIOKit::Matching::succeedsWithoutIterator) {
        *existing = IO_OBJECT_NULL;
        return kIOReturnSuccess;
    }
    Registry::Handle iterator;
    iterator.isIterator = true;
    // A class nobody registered matches nothing.
    iterator.position = fake.lastMatchedClass == fake.serviceClass ? 0 : fake.services.size();
    *existing = fake.give(iterator);
    return kIOReturnSuccess;
}

io_object_t IOIteratorNext(io_iterator_t iterator)
{
    Registry &fake = registry();
    auto found = fake.handles.find(iterator);
    if (found == fake.handles.end() || !found->second.isIterator || found->second.position >= fake.services.size())
        return IO_OBJECT_NULL;
    Registry::Handle service;
    service.position = found->second.position++;
    return fake.give(service);
}

CFTypeRef IORegistryEntryCreateCFProperty(io_registry_entry_t entry, CFStringRef key, CFAllocatorRef, IOOptionBits)
{
    Registry &fake = registry();
    auto found = fake.handles.find(entry);
    if (found == fake.handles.end() || found->second.isIterator)
        return nullptr;
    char name[128] = {};
    if (!CFStringGetCString(key, name, sizeof(name), kCFStringEncodingUTF8))
        return nullptr;
    CFTypeRef value = FakeCF::dictionaryValue(fake.services.at(found->second.position), name);
    return value ? CFRetain(value) : nullptr;
}

kern_return_t IOObjectRelease(io_object_t object)
{
    Registry &fake = registry();
    auto found = fake.handles.find(object);
    if (found == fake.handles.end() || found->second.references <= 0) {
        ++fake.overReleases;
        return kIOReturnBadArgument;
    }
    --found->second.references;
    return kIOReturnSuccess;
}

} // extern "C"
