#pragma once

#include "platform/smc/SmcSession.h"

#include <QByteArray>
#include <QList>

// One SMC key as the controller stores it: its value bytes in SMC byte order.
struct SmcKey
{
    std::uint32_t key = 0;
    std::uint32_t type = 0;
    QByteArray value;
};

// A fixed set of keys answering the three reading commands like the SMC
// does: indexed in key order, "#KEY" holding the count unless given.
class SmcKeyTable : public SmcSession
{
public:
    explicit SmcKeyTable(QList<SmcKey> keys);

    SmcStatus exchange(const SMCParamRecord &input, SMCParamRecord &output) override;

private:
    const SmcKey *find(std::uint32_t key) const;

    QList<SmcKey> m_keys;
};
