#include "platform/macos/MacBatteryService.h"

#include "platform/macos/CFVariant.h"
#include "platform/macos/MacHandles.h"

#include <CoreFoundation/CoreFoundation.h>
#include <IOKit/IOKitLib.h>

std::optional<QVariantMap> MacBatteryService::properties(const QStringList &keys) const
{
    // The default main port is passed as 0: kIOMainPortDefault exists only
    // from macOS 12 on, and the older name is deprecated there.
    io_iterator_t matches = IO_OBJECT_NULL;
    // The matching dictionary is consumed by the call, even when it fails.
    if (IOServiceGetMatchingServices(MACH_PORT_NULL, IOServiceMatching("AppleSmartBattery"), &matches) !=
        kIOReturnSuccess)
        return std::nullopt;
    const IOObjectHandle iterator(matches);
    if (!iterator) // success, but nothing matched
        return std::nullopt;
    const IOObjectHandle service(IOIteratorNext(iterator.get()));
    if (!service)
        return std::nullopt;

    QVariantMap properties;
    for (const QString &key : keys) {
        const CFHandle<CFStringRef> name(
            CFStringCreateWithCString(kCFAllocatorDefault, key.toUtf8().constData(), kCFStringEncodingUTF8));
        if (!name)
            continue;
        const CFHandle<CFTypeRef> value(
            IORegistryEntryCreateCFProperty(service.get(), name.get(), kCFAllocatorDefault, 0));
        QVariant converted = cfToVariant(value.get());
        if (converted.isValid())
            properties.insert(key, std::move(converted));
    }
    return properties;
}
