// One temperature enumeration over an SMC of 2,000 keys, 300 of them
// temperatures: how many driver calls it takes and how long our own code
// spends per key, that is the enumeration's time less the time the same
// driver calls take on their own.
#include "platform/smc/SmcAccess.h"
#include "platform/smc/SmcKeyTable.h"
#include "platform/smc/SmcValueEncoding.h"

#include <QTest>

#include <chrono>
#include <memory>

namespace {

constexpr int keyCount = 2000;
constexpr int temperatureKeys = 300;
constexpr int runs = 200;

// The key table answering directly, counting calls.
class TableSmc : public SmcTransport
{
public:
    explicit TableSmc(QList<SmcKey> keys)
        : m_table(std::move(keys))
    {
    }
    SmcStatus open(SmcConnection &connection) const override
    {
        connection = 1;
        return 0;
    }
    void close(SmcConnection) const override { }
    long calls = 0;

protected:
    SmcStatus exchange(SmcConnection, const SMCParamRecord &input, SMCParamRecord &output) const override
    {
        ++const_cast<TableSmc *>(this)->calls;
        return m_table.exchange(input, output);
    }

private:
    mutable SmcKeyTable m_table;
};

QList<SmcKey> machineKeys()
{
    QList<SmcKey> keys;
    for (int i = 0; i < keyCount - 1; ++i) {
        char name[5];
        std::snprintf(name, sizeof name, "%c%03X", i < temperatureKeys ? 'T' : "BFLMP"[i % 5], i);
        if (i < temperatureKeys && i % 2 == 0)
            keys.append({smcFourCharCode(name), smcFourCharCode("sp78"), *smcEncodeSp78(30 + i % 60)});
        else if (i < temperatureKeys)
            keys.append({smcFourCharCode(name), smcFourCharCode("flt "), smcEncodeFloat(float(40 + i % 50))});
        else
            keys.append({smcFourCharCode(name), smcFourCharCode("ui16"), smcEncodeUnsigned(quint32(i), 2)});
    }
    return keys; // "#KEY" makes 2,000
}

// The driver calls of one enumeration without anything of ours around them.
void replayDriverCalls(const TableSmc &smc)
{
    SMCParamRecord input;
    SMCParamRecord output;
    for (std::uint8_t command : {smcKeyInfo, smcReadKeyValue}) {
        input = SMCParamRecord {};
        input.key = smcFourCharCode("#KEY");
        input.command = command;
        input.dataSize = 4;
        smc.call(1, input, output);
    }
    for (std::uint32_t index = 0; index < keyCount; ++index) {
        input = SMCParamRecord {};
        input.command = smcKeyAtIndex;
        input.index = index;
        smc.call(1, input, output);
        if (output.key >> 24 != 'T')
            continue;
        const std::uint32_t key = output.key;
        input = SMCParamRecord {};
        input.key = key;
        input.command = smcKeyInfo;
        smc.call(1, input, output);
        input.dataSize = output.dataSize;
        input.command = smcReadKeyValue;
        smc.call(1, input, output);
    }
}

template<typename Work>
double fastestRunMicroseconds(Work work)
{
    double fastest = 1e12;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        fastest = std::min(fastest, took.count());
    }
    return fastest;
}

} // namespace

class TemperatureEnumerationBenchmark : public QObject
{
    Q_OBJECT

private slots:
    void enumeration()
    {
        TableSmc smc(machineKeys());
        const auto buffer = std::make_unique<char[]>(65536);
        QCOMPARE(smc_copy_temperature_lines(smc, buffer.get(), 65536), temperatureKeys);
        QCOMPARE(smc.calls, 2 + keyCount + 2 * temperatureKeys);

        const double enumeration =
            fastestRunMicroseconds([&] { smc_copy_temperature_lines(smc, buffer.get(), 65536); });
        const double driver = fastestRunMicroseconds([&] { replayDriverCalls(smc); });
        qInfo("driver calls per enumeration: %ld (%d indexes, %d temperature keys)", smc.calls / (1 + 2 * runs),
              keyCount, temperatureKeys);
        qInfo("enumeration %.1f us, its driver calls alone %.1f us", enumeration, driver);
        qInfo("our own time: %.3f us per key, %.3f us per driver call", (enumeration - driver) / keyCount,
              (enumeration - driver) / (2 + keyCount + 2 * temperatureKeys));
    }
};

QTEST_GUILESS_MAIN(TemperatureEnumerationBenchmark)
#include "bench_temperatureenumeration.moc"
