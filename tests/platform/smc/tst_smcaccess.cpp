#include "platform/smc/SmcAccess.h"
#include "platform/smc/SmcValueEncoding.h"
#include "support/FakeSmc.h"

#include <QTest>

#include <clocale>
#include <cstring>
#include <limits>

namespace {

QByteArray temperatureText(const FakeSmc &smc, std::int32_t *result = nullptr)
{
    char buffer[4096] = {};
    const std::int32_t lines = smc_copy_temperature_lines(smc, buffer, sizeof buffer);
    if (result)
        *result = lines;
    return QByteArray(buffer);
}

QByteArray fanText(const FakeSmc &smc, std::int32_t *result = nullptr)
{
    char buffer[1024] = {};
    const std::int32_t lines = smc_copy_fan_lines(smc, buffer, sizeof buffer);
    if (result)
        *result = lines;
    return QByteArray(buffer);
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray data;
    for (int value : values)
        data.append(char(value));
    return data;
}

SmcKey fpe2Key(const char *key, double rpm)
{
    return smcKey(key, "fpe2", smcEncodeFpe2(rpm).value());
}

SmcKey keyCount(quint32 count, int size = 4)
{
    return smcKey("#KEY", "ui32", smcEncodeUnsigned(count, size));
}

} // namespace

class SmcAccessTest : public QObject
{
    Q_OBJECT

private slots:
    void temperatureDecodings_data()
    {
        QTest::addColumn<SmcKey>("key");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("sp78") << smcKey("TC0P", "sp78", bytes({0x30, 0x40})) << QByteArray("TC0P|48.250\n");
        QTest::newRow("sp78 negative") << smcKey("TC0P", "sp78", bytes({0xFF, 0x00})) << QByteArray();
        QTest::newRow("sp78 too short") << smcKey("TC0P", "sp78", bytes({0x30})) << QByteArray();
        QTest::newRow("fp88") << smcKey("TC0P", "fp88", bytes({0x7D, 0x00})) << QByteArray("TC0P|125.000\n");
        QTest::newRow("flt") << floatKey("Tp01", 48.25f) << QByteArray("Tp01|48.250\n");
        QTest::newRow("flt too cold") << floatKey("Tp01", 0.5f) << QByteArray();
        QTest::newRow("flt too hot") << floatKey("Tp01", 130.0f) << QByteArray();
        QTest::newRow("flt exactly 1") << floatKey("Tp01", 1.0f) << QByteArray("Tp01|1.000\n");
        QTest::newRow("flt NaN") << floatKey("Tp01", std::numeric_limits<float>::quiet_NaN()) << QByteArray();
        QTest::newRow("flt infinite") << floatKey("Tp01", std::numeric_limits<float>::infinity()) << QByteArray();
        QTest::newRow("flt too short") << smcKey("Tp01", "flt ", bytes({0, 0, 0x42})) << QByteArray();
        QTest::newRow("unknown type") << smcKey("TC0P", "ui16", bytes({0, 48})) << QByteArray();
        QTest::newRow("not a T key") << smcKey("B0AV", "sp78", bytes({0x30, 0x40})) << QByteArray();
        QTest::newRow("line breaking key") << smcKey("T\n|x", "sp78", bytes({0x30, 0x40})) << QByteArray();
    }
    void temperatureDecodings()
    {
        QFETCH(SmcKey, key);
        QFETCH(QByteArray, text);
        std::int32_t lines = -99;
        QCOMPARE(temperatureText(FakeSmc({key}), &lines), text);
        QCOMPARE(lines, text.isEmpty() ? 0 : 1);
    }

    // Failure: 1 the opening fails, 2 it gives a zero handle, 3 the key
    // count's info fails, 4 its read.
    void returnCodes_data()
    {
        QTest::addColumn<QList<SmcKey>>("keys");
        QTest::addColumn<int>("failure");
        QTest::addColumn<int>("temperatures");
        QTest::addColumn<int>("fans");
        const SmcKey sensor = sp78Key("TC0P", 48.25);
        QTest::newRow("count from table") << QList<SmcKey> {sensor} << 0 << 1 << 0;
        QTest::newRow("20000 keys") << QList<SmcKey> {keyCount(20000), sensor} << 0 << 1 << 0;
        QTest::newRow("20001 keys") << QList<SmcKey> {keyCount(20001), sensor} << 0 << -6 << 0;
        QTest::newRow("no keys") << QList<SmcKey> {keyCount(0), sensor} << 0 << -6 << 0;
        QTest::newRow("empty count") << QList<SmcKey> {smcKey("#KEY", "ui32", {}), sensor} << 0 << -6 << 0;
        QTest::newRow("one-byte count") << QList<SmcKey> {keyCount(3, 1), sensor} << 0 << 1 << 0;
        QTest::newRow("open fails") << QList<SmcKey> {sensor} << 1 << -4 << -4;
        QTest::newRow("zero handle") << QList<SmcKey> {sensor} << 2 << -4 << -4;
        QTest::newRow("count info fails") << QList<SmcKey> {sensor} << 3 << -5 << 0;
        QTest::newRow("count read fails") << QList<SmcKey> {sensor} << 4 << -5 << 0;
    }
    void returnCodes()
    {
        QFETCH(QList<SmcKey>, keys);
        QFETCH(int, failure);
        QFETCH(int, temperatures);
        QFETCH(int, fans);
        FakeSmc smc(keys);
        if (failure == 1)
            smc.failOpen();
        if (failure == 2)
            smc.openWithZeroHandle();
        if (failure == 3)
            smc.failKey(smcKeyInfo, "#KEY");
        if (failure == 4)
            smc.failKey(smcReadKeyValue, "#KEY");
        char buffer[64];
        std::memset(buffer, 'x', sizeof buffer);
        QCOMPARE(smc_copy_temperature_lines(smc, buffer, sizeof buffer), temperatures);
        if (temperatures < 0)
            QCOMPARE(buffer[0], '\0');
        QCOMPARE(smc.openConnections(), 0);
        QCOMPARE(smc_copy_fan_lines(smc, buffer, sizeof buffer), fans);
    }

    void missingBuffer()
    {
        FakeSmc smc({sp78Key("TC0P", 40)});
        char buffer[1] = {'x'};
        QCOMPARE(smc_copy_temperature_lines(smc, nullptr, 100), -1);
        QCOMPARE(smc_copy_temperature_lines(smc, buffer, 1), -1);
        QCOMPARE(smc_copy_fan_lines(smc, buffer, 0), -1);
        QCOMPARE(buffer[0], 'x');
        QCOMPARE(smc.timesOpened(), 0);
    }

    void failingKeysAreSkipped()
    {
        FakeSmc smc({sp78Key("TA0P", 30), sp78Key("TB0T", 31), sp78Key("TC0P", 32), sp78Key("TG0P", 33)});
        smc.failIndex(1); // TA0P, after #KEY
        smc.failKey(smcKeyInfo, "TB0T");
        smc.failKey(smcReadKeyValue, "TC0P");
        std::int32_t lines = 0;
        QCOMPARE(temperatureText(smc, &lines), QByteArray("TG0P|33.000\n"));
        QCOMPARE(lines, 1);
    }

    void bufferKeepsWholeLines_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("2 bytes") << 2 << QByteArray();
        QTest::newRow("one line and its zero") << 13 << QByteArray("TA0P|30.000\n");
        QTest::newRow("one line without room for zero") << 12 << QByteArray();
        QTest::newRow("fills mid-line") << 20 << QByteArray("TA0P|30.000\n");
        QTest::newRow("two lines") << 25 << QByteArray("TA0P|30.000\nTB0T|31.500\n");
    }
    void bufferKeepsWholeLines()
    {
        QFETCH(int, capacity);
        QFETCH(QByteArray, text);
        FakeSmc smc({sp78Key("TA0P", 30), sp78Key("TB0T", 31.5), sp78Key("TC0P", 32)});
        QByteArray buffer(capacity + 8, 'x');
        const std::int32_t lines = smc_copy_temperature_lines(smc, buffer.data(), capacity);
        QCOMPARE(lines, int(text.count('\n')));
        QCOMPARE(QByteArray(buffer.constData()), text);
        QCOMPARE(buffer.mid(capacity), QByteArray(8, 'x'));
        QCOMPARE(smc.openConnections(), 0);
    }

    void fans_data()
    {
        QTest::addColumn<QList<SmcKey>>("keys");
        QTest::addColumn<QByteArray>("text");
        const QList<SmcKey> fan0 = {fpe2Key("F0Ac", 1200), fpe2Key("F0Mn", 1200), fpe2Key("F0Mx", 5500),
                                    fpe2Key("F0Tg", 1200)};
        const QList<SmcKey> fan1 = {fpe2Key("F1Ac", 2000.25), smcKey("F1Mx", "ui16", bytes({0x17, 0x70}))};
        const QByteArray line0 = "0|1200.0|1200.0|5500.0|1200.0\n";
        const QByteArray line1 = "1|2000.2|-1.0|6000.0|-1.0\n";
        QTest::newRow("FNum ui8 2") << (fan0 + fan1 + QList {smcKey("FNum", "ui8 ", bytes({2}))}) << line0 + line1;
        QTest::newRow("FNum 1 limits") << (fan0 + fan1 + QList {smcKey("FNum", "ui8 ", bytes({1}))}) << line0;
        QTest::newRow("FNum 0 probes") << (fan0 + fan1 + QList {smcKey("FNum", "ui8 ", bytes({0}))}) << line0 + line1;
        QTest::newRow("FNum 9 probes") << (fan0 + fan1 + QList {smcKey("FNum", "ui8 ", bytes({9}))}) << line0 + line1;
        QTest::newRow("no FNum probes") << fan0 + fan1 << line0 + line1;
        QTest::newRow("FNum flt 1.5 rounds up") << (fan0 + fan1 + QList {floatKey("FNum", 1.5f)}) << line0 + line1;
        QTest::newRow("FNum NaN probes") << (fan0 + QList {floatKey("FNum", std::numeric_limits<float>::quiet_NaN())})
                                         << line0;
        QTest::newRow("FNum undecodable takes last byte")
            << (fan0 + fan1 + QList {smcKey("FNum", "si16", bytes({0, 1}))}) << line0;
        QTest::newRow("missing fan 0 Ac") << (fan0.mid(1) + fan1 + QList {smcKey("FNum", "ui8 ", bytes({2}))}) << line1;
        QTest::newRow("minimum missing") << QList<SmcKey> {fpe2Key("F0Ac", 1200), fpe2Key("F0Mx", 5500),
                                                           fpe2Key("F0Tg", 1200)}
                                         << QByteArray("0|1200.0|-1.0|5500.0|1200.0\n");
        QTest::newRow("implausible values")
            << QList<SmcKey> {floatKey("F0Ac", 1500), floatKey("F0Mn", -5), floatKey("F0Mx", 20000),
                              floatKey("F0Tg", std::numeric_limits<float>::infinity())}
            << QByteArray("0|1500.0|-1.0|-1.0|-1.0\n");
        QTest::newRow("no fans") << QList<SmcKey> {sp78Key("TC0P", 40)} << QByteArray();
        // fpe2 by hand: unsigned big-endian, two fraction bits.
        QTest::newRow("fpe2 bytes") << QList<SmcKey> {smcKey("F0Ac", "fpe2", bytes({0x24, 0x44})),
                                                      smcKey("F0Mn", "fpe2", bytes({0x21, 0xC0})),
                                                      smcKey("F0Mx", "fpe2", bytes({0x60, 0x30})),
                                                      smcKey("F0Tg", "fpe2", bytes({0x80, 0x02}))}
                                    << QByteArray("0|2321.0|2160.0|6156.0|8192.5\n");
        QTest::newRow("fpe2 extremes") << QList<SmcKey> {smcKey("F0Ac", "fpe2", bytes({0x00, 0x02})),
                                                         smcKey("F0Mn", "fpe2", bytes({0x00, 0x00})),
                                                         smcKey("F0Mx", "fpe2", bytes({0xFF, 0xFE})),
                                                         smcKey("F0Tg", "fpe2", bytes({0x4E, 0x20}))}
                                       << QByteArray("0|0.5|0.0|16383.5|5000.0\n");
        QTest::newRow("fpe2 too short, or longer")
            << QList<SmcKey> {fpe2Key("F0Ac", 1200), smcKey("F0Mn", "fpe2", bytes({0x12})),
                              smcKey("F0Mx", "fpe2", bytes({0x12, 0xC0, 0x00}))}
            << QByteArray("0|1200.0|-1.0|1200.0|-1.0\n");
    }
    void fans()
    {
        QFETCH(QList<SmcKey>, keys);
        QFETCH(QByteArray, text);
        FakeSmc smc(keys);
        std::int32_t lines = -99;
        QCOMPARE(fanText(smc, &lines), text);
        QCOMPARE(lines, int(text.count('\n')));
        QCOMPARE(smc.openConnections(), 0);
    }

    void fanBufferExhaustion()
    {
        FakeSmc smc({fpe2Key("F0Ac", 1200), fpe2Key("F1Ac", 1300)});
        char buffer[40] = {};
        QCOMPARE(smc_copy_fan_lines(smc, buffer, 30), 1);
        QCOMPARE(QByteArray(buffer), QByteArray("0|1200.0|-1.0|-1.0|-1.0\n"));
    }

    void pointWhateverTheLocale()
    {
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            QSKIP("no German C locale installed");
        FakeSmc smc({sp78Key("TC0P", 48.25), fpe2Key("F0Ac", 1200)});
        const QByteArray temperatures = temperatureText(smc);
        const QByteArray fans = fanText(smc);
        std::setlocale(LC_NUMERIC, "C");
        QCOMPARE(temperatures, QByteArray("TC0P|48.250\n"));
        QCOMPARE(fans, QByteArray("0|1200.0|-1.0|-1.0|-1.0\n"));
    }

    void callsPerEnumeration()
    {
        FakeSmc smc({sp78Key("TA0P", 30), smcKey("B0AV", "ui16", bytes({0x30, 0x40})), floatKey("TC0P", 40),
                     floatKey("Tx0P", 0.2f)});
        temperatureText(smc);
        // "#KEY", then one call per index and two per T key.
        QCOMPARE(smc.calls(smcKeyAtIndex), 5);
        QCOMPARE(smc.calls(smcKeyInfo), 1 + 3);
        QCOMPARE(smc.calls(smcReadKeyValue), 1 + 3);
        QCOMPARE(smc.timesOpened(), 1);
    }

    void onlyReadingCommandsPass()
    {
        FakeSmc smc({sp78Key("TC0P", 40)});
        SmcConnection connection = 0;
        QCOMPARE(smc.open(connection), 0);
        for (std::uint8_t command : {0, 1, 6, 7, 11, 12, 255}) {
            SMCParamRecord input;
            SMCParamRecord output;
            input.key = smcFourCharCode("TC0P");
            input.command = command;
            QCOMPARE(smc.call(connection, input, output), smcStatusRefused);
        }
        QCOMPARE(smc.totalCalls(), 0);
        smc.close(connection);
    }
};

QTEST_GUILESS_MAIN(SmcAccessTest)
#include "tst_smcaccess.moc"
