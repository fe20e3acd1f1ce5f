// The SMC text lines the samplers read.
#include "platform/smc/SmcLineParsers.h"

#include <QByteArray>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The parsers take text ending in a zero byte, as the SMC access leaves it.
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)parseTemperatureLines(text.constData());
    for (const FanReading &fan : parseFanLines(text.constData())) {
        if (fan.id < 0 || fan.actualRPM < 0)
            __builtin_trap();
    }
    return 0;
}
