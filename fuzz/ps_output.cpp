// The process list tool's output.
#include "platform/processes/PsOutput.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const ProcessRow &row : parsePsOutput(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)))) {
        if (row.pid < 0 || row.cpuPercent < 0 || row.residentMemoryKB < 0 || row.command.isEmpty())
            __builtin_trap();
    }
    return 0;
}
