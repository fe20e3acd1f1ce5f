#include "support/FakeSmc.h"

#include "platform/smc/SmcValueEncoding.h"

#include <numeric>

namespace {

constexpr SmcConnection fakeConnection = 0x5eed;

quint64 failureId(std::uint8_t command, std::uint32_t key)
{
    return quint64(command) << 32 | key;
}

} // namespace

FakeSmc::FakeSmc(QList<SmcKey> keys)
    : m_table(std::move(keys))
{
}

void FakeSmc::failKey(std::uint8_t command, const char *key)
{
    failKey(command, smcFourCharCode(key));
}

void FakeSmc::failKey(std::uint8_t command, std::uint32_t key)
{
    m_failingKeys.insert(failureId(command, key));
}

int FakeSmc::calls(std::uint8_t command) const
{
    const QMutexLocker lock(&m_mutex);
    return m_calls.at(command);
}

int FakeSmc::totalCalls() const
{
    const QMutexLocker lock(&m_mutex);
    return std::accumulate(m_calls.begin(), m_calls.end(), 0);
}

int FakeSmc::openConnections() const
{
    const QMutexLocker lock(&m_mutex);
    return m_opened - m_closed;
}

int FakeSmc::timesOpened() const
{
    const QMutexLocker lock(&m_mutex);
    return m_opened;
}

SmcStatus FakeSmc::open(SmcConnection &connection) const
{
    const QMutexLocker lock(&m_mutex);
    connection = 0;
    if (m_failOpen)
        return smcStatusNoDriver;
    if (!m_zeroHandle) {
        connection = fakeConnection;
        ++m_opened;
    }
    return 0;
}

void FakeSmc::close(SmcConnection connection) const
{
    const QMutexLocker lock(&m_mutex);
    if (connection == fakeConnection)
        ++m_closed;
}

SmcStatus FakeSmc::exchange(SmcConnection connection, const SMCParamRecord &input, SMCParamRecord &output) const
{
    const QMutexLocker lock(&m_mutex);
    ++m_calls.at(input.command);
    if (connection != fakeConnection || m_opened == m_closed)
        return smcStatusNoDriver;
    if (input.command == smcKeyAtIndex ? m_failingIndexes.contains(input.index)
                                       : m_failingKeys.contains(failureId(input.command, input.key)))
        return smcStatusIoError;
    return m_table.exchange(input, output);
}

SmcKey smcKey(const char *key, const char *type, QByteArray value)
{
    return {smcFourCharCode(key), smcFourCharCode(type), std::move(value)};
}

SmcKey sp78Key(const char *key, double celsius)
{
    return smcKey(key, "sp78", smcEncodeSp78(celsius).value());
}

SmcKey floatKey(const char *key, float value)
{
    return smcKey(key, "flt ", smcEncodeFloat(value));
}
