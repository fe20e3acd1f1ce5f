#include "platform/macos/MacPortControllers.h"

#include "platform/macos/CFVariant.h"
#include "platform/macos/MacHandles.h"

#include <CoreFoundation/CoreFoundation.h>
#include <IOKit/IOKitLib.h>
#include <IOKit/ps/IOPowerSources.h>

namespace {

// Empty when they cannot be read.
QVariantMap serviceProperties(io_registry_entry_t service)
{
    CFMutableDictionaryRef created = nullptr;
    if (IORegistryEntryCreateCFProperties(service, &created, kCFAllocatorDefault, 0) != kIOReturnSuccess) {
        // A failed call may still have handed over a dictionary.
        const CFHandle<CFMutableDictionaryRef> stray(created);
        return {};
    }
    const CFHandle<CFMutableDictionaryRef> properties(created);
    return cfToVariant(properties.get()).toMap();
}

std::optional<QString> text(CFTypeRef value)
{
    const QVariant converted = cfToVariant(value);
    if (converted.typeId() != QMetaType::QString)
        return std::nullopt;
    return converted.toString();
}

} // namespace

QList<RegistryService> MacPortControllers::services(const QString &className) const
{
    io_iterator_t matches = IO_OBJECT_NULL;
    // The matching dictionary is consumed by the call, even when it fails.
    if (IOServiceGetMatchingServices(MACH_PORT_NULL, IOServiceMatching(className.toUtf8().constData()), &matches) !=
        kIOReturnSuccess)
        return {};
    const IOObjectHandle iterator(matches);
    QList<RegistryService> found;
    if (!iterator)
        return found;
    while (io_object_t next = IOIteratorNext(iterator.get())) {
        const IOObjectHandle service(next);
        uint64_t entryId = 0;
        if (IORegistryEntryGetRegistryEntryID(service.get(), &entryId) != kIOReturnSuccess)
            continue;
        RegistryService entry;
        entry.entryId = entryId;
        entry.properties = serviceProperties(service.get());
        // Copying has no length limit, unlike the fixed path buffer.
        const CFHandle<CFStringRef> path(IORegistryEntryCopyPath(service.get(), kIOServicePlane));
        if (path)
            entry.path = text(path.get());
        found.append(std::move(entry));
    }
    return found;
}

std::optional<RegistrySubtree> MacPortControllers::subtree(quint64 entryId) const
{
    // The matching dictionary is consumed by the call.
    const IOObjectHandle service(IOServiceGetMatchingService(MACH_PORT_NULL, IORegistryEntryIDMatching(entryId)));
    if (!service)
        return std::nullopt;
    RegistrySubtree tree {serviceProperties(service.get()), {}};
    io_iterator_t below = IO_OBJECT_NULL;
    if (IORegistryEntryCreateIterator(service.get(), kIOServicePlane, kIORegistryIterateRecursively, &below) !=
        kIOReturnSuccess)
        return tree;
    const IOObjectHandle iterator(below);
    if (!iterator)
        return tree;
    while (io_object_t next = IOIteratorNext(iterator.get())) {
        const IOObjectHandle child(next);
        const CFHandle<CFStringRef> className(IOObjectCopyClass(child.get()));
        tree.descendants.append(
            {className ? text(className.get()).value_or(QString()) : QString(), serviceProperties(child.get())});
    }
    return tree;
}

std::optional<QString> MacExternalPower::providingType() const
{
    const CFHandle<CFTypeRef> info(IOPSCopyPowerSourcesInfo());
    if (!info)
        return std::nullopt;
    // Belongs to the information: read, never released.
    const CFStringRef type = IOPSGetProvidingPowerSourceType(info.get());
    if (!type)
        return std::nullopt;
    return text(type);
}

std::optional<QVariantMap> MacExternalPower::adapterDetails() const
{
    const CFHandle<CFDictionaryRef> details(IOPSCopyExternalPowerAdapterDetails());
    if (!details)
        return std::nullopt;
    const QVariant converted = cfToVariant(details.get());
    if (converted.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    return converted.toMap();
}
