// The SMC enumeration over records a driver could answer with: every answer
// is taken from the input, failures included.
#include "platform/SmcTransport.h"
#include "platform/smc/SmcAccess.h"
#include "platform/smc/SmcLineParsers.h"

#include <QByteArrayView>

#include <cstring>
#include <vector>

namespace {

class FuzzTransport : public SmcTransport
{
public:
    explicit FuzzTransport(QByteArrayView answers)
        : m_answers(answers)
    {
    }
    SmcStatus open(SmcConnection &connection) const override
    {
        connection = 1;
        return 0;
    }
    void close(SmcConnection) const override { }

protected:
    SmcStatus exchange(SmcConnection, const SMCParamRecord &, SMCParamRecord &output) const override
    {
        if (m_answers.isEmpty())
            return smcStatusIoError;
        const std::uint8_t status = std::uint8_t(m_answers.front());
        m_answers = m_answers.sliced(1);
        const qsizetype size = std::min<qsizetype>(sizeof output, m_answers.size());
        std::memcpy(&output, m_answers.data(), std::size_t(size));
        m_answers = m_answers.sliced(size);
        return status < 0xf0 ? 0 : smcStatusNotFound;
    }

private:
    mutable QByteArrayView m_answers;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    // Small buffers test the cut at the last complete line.
    std::vector<char> buffer(data[0] % 2 ? 4096 : data[0] % 64);
    const QByteArrayView answers(data + 1, qsizetype(size - 1));
    if (smc_copy_temperature_lines(FuzzTransport(answers), buffer.data(), std::int32_t(buffer.size())) >= 0)
        (void)parseTemperatureLines(buffer.data());
    if (smc_copy_fan_lines(FuzzTransport(answers), buffer.data(), std::int32_t(buffer.size())) >= 0)
        (void)parseFanLines(buffer.data());
    return 0;
}
