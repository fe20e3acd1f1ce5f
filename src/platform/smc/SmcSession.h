#pragma once

#include "platform/SmcTransport.h"

#include <memory>

// One open connection of a transport that serves records itself instead of
// handing them to a kernel driver (key tables, emulated drivers).
class SmcSession
{
public:
    virtual ~SmcSession() = default;
    virtual SmcStatus exchange(const SMCParamRecord &input, SMCParamRecord &output) = 0;
};

// A transport whose connections are sessions; the connection value is the
// session itself, owned from open to close.
class SessionSmcTransport : public SmcTransport
{
public:
    SmcStatus open(SmcConnection &connection) const final;
    void close(SmcConnection connection) const final;

protected:
    // None when the machine offers no SMC this way.
    virtual std::unique_ptr<SmcSession> openSession() const = 0;
    SmcStatus exchange(SmcConnection connection, const SMCParamRecord &input, SMCParamRecord &output) const final;
};
