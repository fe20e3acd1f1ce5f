#pragma once

#include "platform/SmcTransport.h"

// The AppleSMC driver's user client, preferably through its
// AppleSMCKeysEndpoint child (Apple silicon), else through AppleSMC itself.
class MacSmcTransport : public SmcTransport
{
public:
    SmcStatus open(SmcConnection &connection) const override;
    void close(SmcConnection connection) const override;

protected:
    SmcStatus exchange(SmcConnection connection, const SMCParamRecord &input, SMCParamRecord &output) const override;
};
