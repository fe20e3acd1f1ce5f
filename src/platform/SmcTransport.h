#pragma once

#include "platform/smc/SmcParamRecord.h"

#include <cstdint>

// A driver's answer to one call: 0 for success, anything else a failure.
using SmcStatus = std::int32_t;
// An open driver connection; 0 is none.
using SmcConnection = std::uintptr_t;

// Failure statuses of our own, in the driver's numbering.
constexpr SmcStatus smcStatusNoDriver = SmcStatus(0xE00002C0u);
constexpr SmcStatus smcStatusNotFound = SmcStatus(0xE00002F0u);
constexpr SmcStatus smcStatusIoError = SmcStatus(0xE00002CAu);
constexpr SmcStatus smcStatusRefused = SmcStatus(0xE00002E2u);

// The way to the SMC driver: opens connections and exchanges one 80-byte
// record per call. Shared between threads, so connections carry all state.
class SmcTransport
{
public:
    virtual ~SmcTransport() = default;

    virtual SmcStatus open(SmcConnection &connection) const = 0;
    virtual void close(SmcConnection connection) const = 0;

    // Passes only the reading commands on: nothing else reaches a driver.
    SmcStatus call(SmcConnection connection, const SMCParamRecord &input, SMCParamRecord &output) const;

protected:
    virtual SmcStatus exchange(SmcConnection connection, const SMCParamRecord &input, SMCParamRecord &output) const = 0;
};
