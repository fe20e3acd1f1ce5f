#include "platform/smc/SmcSession.h"

namespace {

SmcSession *session(SmcConnection connection)
{
    return reinterpret_cast<SmcSession *>(connection);
}

} // namespace

SmcStatus SessionSmcTransport::open(SmcConnection &connection) const
{
    connection = 0;
    std::unique_ptr<SmcSession> opened = openSession();
    if (!opened)
        return smcStatusNoDriver;
    connection = reinterpret_cast<SmcConnection>(opened.release());
    return 0;
}

void SessionSmcTransport::close(SmcConnection connection) const
{
    delete session(connection);
}

SmcStatus SessionSmcTransport::exchange(SmcConnection connection, const SMCParamRecord &input,
                                        SMCParamRecord &output) const
{
    if (connection == 0)
        return smcStatusNoDriver;
    return session(connection)->exchange(input, output);
}
