#include "platform/SmcTransport.h"

SmcStatus SmcTransport::call(SmcConnection connection, const SMCParamRecord &input, SMCParamRecord &output) const
{
    switch (input.command) {
    case smcReadKeyValue:
    case smcKeyAtIndex:
    case smcKeyInfo: return exchange(connection, input, output);
    default: return smcStatusRefused;
    }
}
