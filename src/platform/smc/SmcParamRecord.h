#pragma once

#include <cstddef>
#include <cstdint>

// The record the SMC driver takes and gives back on every call: a wire
// format, so offsets and size are fixed. Multi-byte integers are in host
// byte order; keys and types are four characters, first one most significant.
struct SMCParamRecord
{
    std::uint32_t key = 0;
    std::uint8_t unused1[24] = {};
    std::uint32_t dataSize = 0;
    std::uint32_t dataType = 0;
    std::uint8_t unused2[6] = {};
    std::uint8_t command = 0;
    std::uint8_t unused3 = 0;
    std::uint32_t index = 0;
    std::uint8_t bytes[32] = {};
};

static_assert(offsetof(SMCParamRecord, key) == 0);
static_assert(offsetof(SMCParamRecord, dataSize) == 28);
static_assert(offsetof(SMCParamRecord, dataType) == 32);
static_assert(offsetof(SMCParamRecord, command) == 42);
static_assert(offsetof(SMCParamRecord, index) == 44);
static_assert(offsetof(SMCParamRecord, bytes) == 48);
static_assert(sizeof(SMCParamRecord) == 80);

// The only commands this program ever sends: all three only read.
enum SmcCommand : std::uint8_t {
    smcReadKeyValue = 5,
    smcKeyAtIndex = 8,
    smcKeyInfo = 9,
};

// The struct-method selector of the driver that carries these records.
constexpr std::uint32_t smcRecordSelector = 2;

constexpr std::uint32_t smcFourCharCode(const char *text)
{
    return std::uint32_t(std::uint8_t(text[0])) << 24 | std::uint32_t(std::uint8_t(text[1])) << 16 |
        std::uint32_t(std::uint8_t(text[2])) << 8 | std::uint32_t(std::uint8_t(text[3]));
}

// Writes the four characters and a terminating zero into text[5].
inline void smcFourCharText(std::uint32_t code, char *text)
{
    text[0] = char(code >> 24);
    text[1] = char(code >> 16);
    text[2] = char(code >> 8);
    text[3] = char(code);
    text[4] = '\0';
}
