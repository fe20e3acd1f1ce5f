#pragma once

#include "platform/SmcTransport.h"
#include "platform/smc/SmcKeyTable.h"

#include <QMutex>
#include <QSet>

#include <array>

// An SMC holding a key table, counting every call that reaches it and
// failing the opening or single commands on demand. Measurements on several
// threads may share one; set the failures up before handing it over.
class FakeSmc : public SmcTransport
{
public:
    explicit FakeSmc(QList<SmcKey> keys = {});

    void failOpen() { m_failOpen = true; }
    void openWithZeroHandle() { m_zeroHandle = true; }
    // Commands 5 and 9 fail for this key; command 8 for this index.
    void failKey(std::uint8_t command, const char *key);
    void failKey(std::uint8_t command, std::uint32_t key);
    void failIndex(std::uint32_t index) { m_failingIndexes.insert(index); }

    int calls(std::uint8_t command) const;
    int totalCalls() const;
    int openConnections() const;
    int timesOpened() const;

    SmcStatus open(SmcConnection &connection) const override;
    void close(SmcConnection connection) const override;

protected:
    SmcStatus exchange(SmcConnection connection, const SMCParamRecord &input, SMCParamRecord &output) const override;

private:
    mutable QMutex m_mutex;
    mutable SmcKeyTable m_table;
    bool m_failOpen = false;
    bool m_zeroHandle = false;
    QSet<quint64> m_failingKeys;
    QSet<std::uint32_t> m_failingIndexes;
    mutable std::array<int, 256> m_calls {};
    mutable int m_opened = 0;
    mutable int m_closed = 0;
};

// Key table entries in the forms tests write them.
SmcKey smcKey(const char *key, const char *type, QByteArray value);
SmcKey sp78Key(const char *key, double celsius);
SmcKey floatKey(const char *key, float value);
