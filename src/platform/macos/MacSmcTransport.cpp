#include "platform/macos/MacSmcTransport.h"

#include <IOKit/IOKitLib.h>
#include <mach/mach_init.h>

#include <cstring>

namespace {

// What the driver answers when there is no SMC service to open.
constexpr SmcStatus noService = 5;

SmcStatus openService(io_service_t service, io_connect_t &connection)
{
    return IOServiceOpen(service, mach_task_self(), 0, &connection);
}

// Opens the first AppleSMCKeysEndpoint below the SMC service. Stops at the
// first endpoint, whether it opened or not; false leaves nothing open.
bool openKeysEndpoint(io_iterator_t iterator, io_connect_t &connection)
{
    while (const io_object_t entry = IOIteratorNext(iterator)) {
        io_name_t name = {};
        const bool isEndpoint =
            IORegistryEntryGetName(entry, name) == KERN_SUCCESS && std::strcmp(name, "AppleSMCKeysEndpoint") == 0;
        if (!isEndpoint) {
            IOObjectRelease(entry);
            continue;
        }
        const SmcStatus status = openService(entry, connection);
        IOObjectRelease(entry);
        return status == KERN_SUCCESS && connection != 0;
    }
    return false;
}

} // namespace

SmcStatus MacSmcTransport::open(SmcConnection &connection) const
{
    connection = 0;
    // The default main port is passed as 0, which every macOS accepts.
    const CFMutableDictionaryRef matching = IOServiceMatching("AppleSMC");
    if (!matching)
        return noService;
    const io_service_t service = IOServiceGetMatchingService(MACH_PORT_NULL, matching);
    if (service == IO_OBJECT_NULL)
        return noService;

    io_connect_t opened = 0;
    io_iterator_t iterator = IO_OBJECT_NULL;
    if (IORegistryEntryCreateIterator(service, kIOServicePlane, kIORegistryIterateRecursively, &iterator) ==
        KERN_SUCCESS) {
        const bool endpointOpened = openKeysEndpoint(iterator, opened);
        IOObjectRelease(iterator);
        if (endpointOpened) {
            IOObjectRelease(service);
            connection = opened;
            return KERN_SUCCESS;
        }
        opened = 0;
    }
    const SmcStatus status = openService(service, opened);
    IOObjectRelease(service);
    if (status == KERN_SUCCESS)
        connection = opened;
    return status;
}

void MacSmcTransport::close(SmcConnection connection) const
{
    IOServiceClose(io_connect_t(connection));
}

SmcStatus MacSmcTransport::exchange(SmcConnection connection, const SMCParamRecord &input, SMCParamRecord &output) const
{
    size_t outputSize = sizeof output;
    return IOConnectCallStructMethod(mach_port_t(connection), smcRecordSelector, &input, sizeof input, &output,
                                     &outputSize);
}
