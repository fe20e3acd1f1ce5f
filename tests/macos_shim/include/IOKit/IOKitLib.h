// Declaration shim: the IOKit user library functions this project calls,
// declared as the macOS SDK declares them, so macOS sources compile on Linux.
#pragma once

#include <AvailabilityMacros.h>
#include <CoreFoundation/CoreFoundation.h>
#include <IOKit/IOKitKeys.h>
#include <IOKit/IOTypes.h>
#include <mach/mach_init.h>
#include <mach/mach_types.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

kern_return_t IOObjectRelease(io_object_t object);
CFStringRef IOObjectCopyClass(io_object_t object) AVAILABLE_MAC_OS_X_VERSION_10_4_AND_LATER;

io_object_t IOIteratorNext(io_iterator_t iterator);

io_service_t IOServiceGetMatchingService(mach_port_t mainPort, CFDictionaryRef matching CF_RELEASES_ARGUMENT);
kern_return_t IOServiceGetMatchingServices(mach_port_t mainPort, CFDictionaryRef matching CF_RELEASES_ARGUMENT,
                                           io_iterator_t *existing);
kern_return_t IOServiceOpen(io_service_t service, task_port_t owningTask, uint32_t type, io_connect_t *connect);
kern_return_t IOServiceClose(io_connect_t connect);
kern_return_t IOConnectCallStructMethod(mach_port_t connection, uint32_t selector, const void *inputStruct,
                                        size_t inputStructCnt, void *outputStruct, size_t *outputStructCnt)
    AVAILABLE_MAC_OS_X_VERSION_10_5_AND_LATER;

kern_return_t IORegistryEntryCreateIterator(io_registry_entry_t entry, const io_name_t plane, IOOptionBits options,
                                            io_iterator_t *iterator);
enum {
    kIORegistryIterateRecursively = 0x00000001
};
kern_return_t IORegistryEntryGetName(io_registry_entry_t entry, io_name_t name);
kern_return_t IORegistryEntryGetRegistryEntryID(io_registry_entry_t entry, uint64_t *entryID);
CFStringRef IORegistryEntryCopyPath(io_registry_entry_t entry, const io_name_t plane);
kern_return_t IORegistryEntryCreateCFProperties(io_registry_entry_t entry, CFMutableDictionaryRef *properties,
                                                CFAllocatorRef allocator, IOOptionBits options);
CFTypeRef IORegistryEntryCreateCFProperty(io_registry_entry_t entry, CFStringRef key, CFAllocatorRef allocator,
                                          IOOptionBits options);

CFMutableDictionaryRef IOServiceMatching(const char *name) CF_RETURNS_RETAINED;
CFMutableDictionaryRef IORegistryEntryIDMatching(uint64_t entryID) CF_RETURNS_RETAINED;

#ifdef __cplusplus
}
#endif
