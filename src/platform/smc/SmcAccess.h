#pragma once

#include "platform/SmcTransport.h"

#include <cstdint>

// Text of the SMC's temperature keys and fans for the samplers, one line per
// key ("TC0P|48.250\n") or fan ("0|1200.0|-1.0|5500.0|1200.0\n"). Each call
// opens its own connection and closes it before returning, allocates nothing
// and leaves complete lines followed by a terminating zero in the buffer.
//
// Returns the number of lines, or
//   -1  no buffer or a capacity below 2,
//   -4  no SMC connection could be opened,
//   -5  (temperatures) the key count could not be read,
//   -6  (temperatures) the key count was empty, 0 or above 20000.
std::int32_t smc_copy_temperature_lines(const SmcTransport &transport, char *buffer, std::int32_t capacity);
std::int32_t smc_copy_fan_lines(const SmcTransport &transport, char *buffer, std::int32_t capacity);
