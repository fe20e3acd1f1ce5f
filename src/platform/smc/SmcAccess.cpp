#include "platform/smc/SmcAccess.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr std::uint32_t maximumKeyCount = 20000;
constexpr int maximumFans = 8;

// One key as read: four key and type characters each with a terminating zero,
// and the first min(size, 32) value bytes.
struct SMCKeyValue
{
    char key[5];
    std::uint32_t dataSize;
    char dataType[5];
    std::uint8_t bytes[32];
};

// Closes the connection on every way out of an enumeration.
class OpenConnection
{
public:
    explicit OpenConnection(const SmcTransport &transport)
        : m_transport(transport)
    {
        if (m_transport.open(m_connection) != 0)
            m_connection = 0;
    }
    ~OpenConnection()
    {
        if (m_connection != 0)
            m_transport.close(m_connection);
    }
    OpenConnection(const OpenConnection &) = delete;
    OpenConnection &operator=(const OpenConnection &) = delete;

    bool isOpen() const { return m_connection != 0; }
    SmcStatus call(const SMCParamRecord &input, SMCParamRecord &output) const
    {
        return m_transport.call(m_connection, input, output);
    }

private:
    const SmcTransport &m_transport;
    SmcConnection m_connection = 0;
};

SmcStatus smc_read_key(const OpenConnection &smc, std::uint32_t key, SMCKeyValue &value)
{
    std::memset(&value, 0, sizeof value);
    smcFourCharText(key, value.key);

    SMCParamRecord input;
    SMCParamRecord output;
    input.key = key;
    input.command = smcKeyInfo;
    if (const SmcStatus status = smc.call(input, output))
        return status;
    value.dataSize = output.dataSize;
    smcFourCharText(output.dataType, value.dataType);

    input = SMCParamRecord {};
    input.key = key;
    input.dataSize = value.dataSize;
    input.command = smcReadKeyValue;
    output = SMCParamRecord {};
    if (const SmcStatus status = smc.call(input, output))
        return status;
    std::memcpy(value.bytes, output.bytes, std::min<std::size_t>(value.dataSize, sizeof value.bytes));
    return 0;
}

bool hasType(const SMCKeyValue &value, const char *type, std::uint32_t minimumSize)
{
    return std::memcmp(value.dataType, type, 4) == 0 && value.dataSize >= minimumSize;
}

std::uint32_t bigEndianUnsigned(const SMCKeyValue &value)
{
    std::uint32_t number = 0;
    for (std::uint32_t i = 0; i < std::min<std::uint32_t>(value.dataSize, 4); ++i)
        number = number << 8 | value.bytes[i];
    return number;
}

std::uint16_t bigEndian16(const SMCKeyValue &value)
{
    return std::uint16_t(value.bytes[0] << 8 | value.bytes[1]);
}

float hostFloat(const SMCKeyValue &value)
{
    float number;
    std::memcpy(&number, value.bytes, sizeof number);
    return number;
}

bool decodeTemperature(const SMCKeyValue &value, double &celsius)
{
    if (hasType(value, "sp78", 2))
        celsius = std::int16_t(bigEndian16(value)) / 256.0;
    else if (hasType(value, "flt ", 4))
        celsius = hostFloat(value);
    else if (hasType(value, "fp88", 2))
        celsius = bigEndian16(value) / 256.0;
    else
        return false;
    return true;
}

bool smc_decode_number(const SMCKeyValue &value, double &number)
{
    if (hasType(value, "fpe2", 2))
        number = bigEndian16(value) / 4.0;
    else if (hasType(value, "flt ", 4))
        number = hostFloat(value);
    else if (hasType(value, "ui16", 1) || hasType(value, "ui8 ", 1))
        number = bigEndianUnsigned(value);
    else
        return false;
    return true;
}

double smc_read_number(const OpenConnection &smc, std::uint32_t key)
{
    SMCKeyValue value;
    double number = 0;
    if (smc_read_key(smc, key, value) != 0 || !smc_decode_number(value, number))
        return -1.0;
    return std::isfinite(number) && number >= 0.0 && number < 20000.0 ? number : -1.0;
}

// Keys end up in line-based text; one that could break a line is skipped.
bool isPrintableKey(const char *key)
{
    for (int i = 0; i < 4; ++i) {
        if (key[i] < 0x20 || key[i] > 0x7e || key[i] == '|')
            return false;
    }
    return true;
}

// Appends whole lines only: a line that does not fit, together with the
// terminating zero, is not written at all.
class LineWriter
{
public:
    LineWriter(char *buffer, std::int32_t capacity)
        : m_buffer(buffer)
        , m_capacity(capacity)
    {
        m_buffer[0] = '\0';
    }

    bool isFull() const { return m_capacity - m_position < 2; }
    std::int32_t lineCount() const { return m_lines; }

    bool append(const char *line, std::int32_t length)
    {
        if (length <= 0 || length >= m_capacity - m_position)
            return false;
        std::memcpy(m_buffer + m_position, line, std::size_t(length));
        m_position += length;
        m_buffer[m_position] = '\0';
        ++m_lines;
        return true;
    }

private:
    char *m_buffer;
    std::int32_t m_capacity;
    std::int32_t m_position = 0;
    std::int32_t m_lines = 0;
};

// Point as decimal separator whatever the process locale says.
char *appendFixed(char *out, char *end, double value, int decimals)
{
    const auto result = std::to_chars(out, end, value, std::chars_format::fixed, decimals);
    return result.ec == std::errc() ? result.ptr : end;
}

std::int32_t temperatureLine(const char *key, double celsius, char (&line)[64])
{
    char *end = line + sizeof line - 1;
    std::memcpy(line, key, 4);
    char *out = line + 4;
    *out++ = '|';
    out = appendFixed(out, end, celsius, 3);
    if (out == end)
        return 0;
    *out++ = '\n';
    return std::int32_t(out - line);
}

std::int32_t fanLine(int fan, const double (&speeds)[4], char (&line)[128])
{
    char *end = line + sizeof line - 1;
    char *out = std::to_chars(line, end, fan).ptr;
    for (double speed : speeds) {
        *out++ = '|';
        out = appendFixed(out, end, speed, 1);
        if (out == end)
            return 0;
    }
    *out++ = '\n';
    return std::int32_t(out - line);
}

std::uint32_t fanKey(int fan, const char *suffix)
{
    const char text[4] = {'F', char('0' + fan), suffix[0], suffix[1]};
    return smcFourCharCode(text);
}

// The fan count from "FNum", or 0 where it gives none in 1...8.
int reportedFanCount(const OpenConnection &smc)
{
    SMCKeyValue value;
    if (smc_read_key(smc, smcFourCharCode("FNum"), value) != 0)
        return 0;
    long count = 0;
    double number = 0;
    if (smc_decode_number(value, number)) {
        if (!std::isfinite(number) || std::fabs(number) > maximumFans + 1)
            return 0;
        count = std::lround(number);
    } else if (value.dataSize != 0 && value.dataSize <= sizeof value.bytes) {
        count = value.bytes[value.dataSize - 1];
    }
    return count >= 1 && count <= maximumFans ? int(count) : 0;
}

int probedFanCount(const OpenConnection &smc)
{
    int count = 0;
    for (int fan = 0; fan < 4; ++fan) {
        if (smc_read_number(smc, fanKey(fan, "Ac")) >= 0.0)
            count = fan + 1;
    }
    return count;
}

} // namespace

std::int32_t smc_copy_temperature_lines(const SmcTransport &transport, char *buffer, std::int32_t capacity)
{
    if (!buffer || capacity < 2)
        return -1;
    LineWriter writer(buffer, capacity);
    const OpenConnection smc(transport);
    if (!smc.isOpen())
        return -4;

    SMCKeyValue value;
    if (smc_read_key(smc, smcFourCharCode("#KEY"), value) != 0)
        return -5;
    const std::uint32_t keyCount = bigEndianUnsigned(value);
    if (value.dataSize == 0 || keyCount == 0 || keyCount > maximumKeyCount)
        return -6;

    for (std::uint32_t index = 0; index < keyCount; ++index) {
        SMCParamRecord input;
        SMCParamRecord output;
        input.command = smcKeyAtIndex;
        input.index = index;
        if (smc.call(input, output) != 0 || output.key >> 24 != 'T')
            continue;
        double celsius = 0;
        if (smc_read_key(smc, output.key, value) != 0 || !decodeTemperature(value, celsius))
            continue;
        if (!std::isfinite(celsius) || celsius < 1.0 || celsius > 125.0 || !isPrintableKey(value.key))
            continue;
        if (writer.isFull())
            break;
        char line[64];
        if (!writer.append(line, temperatureLine(value.key, celsius, line)))
            break;
    }
    return writer.lineCount();
}

std::int32_t smc_copy_fan_lines(const SmcTransport &transport, char *buffer, std::int32_t capacity)
{
    if (!buffer || capacity < 2)
        return -1;
    LineWriter writer(buffer, capacity);
    const OpenConnection smc(transport);
    if (!smc.isOpen())
        return -4;

    int fanCount = reportedFanCount(smc);
    if (fanCount == 0)
        fanCount = probedFanCount(smc);

    for (int fan = 0; fan < fanCount; ++fan) {
        const double current = smc_read_number(smc, fanKey(fan, "Ac"));
        if (current < 0.0)
            continue;
        const double speeds[4] = {current, smc_read_number(smc, fanKey(fan, "Mn")),
                                  smc_read_number(smc, fanKey(fan, "Mx")), smc_read_number(smc, fanKey(fan, "Tg"))};
        if (writer.isFull())
            break;
        char line[128];
        if (!writer.append(line, fanLine(fan, speeds, line)))
            break;
    }
    return writer.lineCount();
}
