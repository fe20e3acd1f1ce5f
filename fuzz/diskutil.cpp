// The drive tool's information text.
#include "platform/tools/DiskutilInfo.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    (void)smartStatusFromDiskutilInfo(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
