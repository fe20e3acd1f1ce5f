#include "platform/smc/SmcLineParsers.h"

#include <QTest>

using Samples = QList<RawTemperatureSample>;
using Fans = QList<FanReading>;

class SmcLineParsersTest : public QObject
{
    Q_OBJECT

private slots:
    void temperatures_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Samples>("samples");
        QTest::newRow("two lines") << QByteArray("TC0P|48.250\nTp01|1.000\n")
                                   << Samples {{"TC0P", 48.25}, {"Tp01", 1.0}};
        QTest::newRow("empty lines, no final break")
            << QByteArray("\n\nTC0P|48.250\n\nTG0P|125") << Samples {{"TC0P", 48.25}, {"TG0P", 125}};
        QTest::newRow("extra bar") << QByteArray("TC0P|48.250|1\n") << Samples {};
        QTest::newRow("empty key") << QByteArray("|48.250\n") << Samples {};
        QTest::newRow("empty value") << QByteArray("TC0P|\n") << Samples {};
        QTest::newRow("no bar") << QByteArray("TC0P 48.250\n") << Samples {};
        QTest::newRow("not a number") << QByteArray("TC0P|warm\nTC0D|48.2x\nTC0H| 48\n") << Samples {};
        QTest::newRow("decimal comma") << QByteArray("TC0P|48,250\n") << Samples {};
        QTest::newRow("out of range") << QByteArray("TA|0.999\nTB|125.001\nTC|-5\nTD|nan\nTE|inf\n") << Samples {};
        QTest::newRow("bad line among good")
            << QByteArray("TA0P|30.000\nnonsense\nTB0T|31.500\n") << Samples {{"TA0P", 30}, {"TB0T", 31.5}};
        QTest::newRow("nothing") << QByteArray() << Samples {};
    }
    void temperatures()
    {
        QFETCH(QByteArray, text);
        QFETCH(Samples, samples);
        QCOMPARE(parseTemperatureLines(text.constData()), samples);
    }

    void fans_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Fans>("fans");
        QTest::newRow("full line") << QByteArray("0|1200.0|1100.0|5500.0|1250.0\n")
                                   << Fans {{0, 1200, 1100.0, 5500.0, 1250.0}};
        QTest::newRow("missing minimum") << QByteArray("0|1200.0|-1.0|5500.0|1200.0\n")
                                         << Fans {{0, 1200, std::nullopt, 5500.0, 1200.0}};
        QTest::newRow("empty pieces dropped") << QByteArray("1||2000.5|1|2|3|\n") << Fans {{1, 2000.5, 1.0, 2.0, 3.0}};
        QTest::newRow("extra pieces ignored") << QByteArray("1|2000|1|2|3|4\n") << Fans {{1, 2000, 1.0, 2.0, 3.0}};
        QTest::newRow("too few pieces") << QByteArray("0|1200.0|1100.0|5500.0\n") << Fans {};
        QTest::newRow("id not whole") << QByteArray("0.5|1200|1|2|3\nx|1200|1|2|3\n") << Fans {};
        QTest::newRow("speed not a number") << QByteArray("0|fast|1|2|3\n0|nan|1|2|3\n") << Fans {};
        QTest::newRow("negative id or speed") << QByteArray("-1|1200|1|2|3\n0|-5|1|2|3\n0|-0|1|2|3\n") << Fans {};
        QTest::newRow("optional values not numbers")
            << QByteArray("2|900|slow|inf|?\n") << Fans {{2, 900, std::nullopt, std::nullopt, std::nullopt}};
        QTest::newRow("order kept") << QByteArray("1|1|1|1|1\n\n0|2|2|2|2\n")
                                    << Fans {{1, 1, 1.0, 1.0, 1.0}, {0, 2, 2.0, 2.0, 2.0}};
    }
    void fans()
    {
        QFETCH(QByteArray, text);
        QFETCH(Fans, fans);
        QCOMPARE(parseFanLines(text.constData()), fans);
    }
};

QTEST_GUILESS_MAIN(SmcLineParsersTest)
#include "tst_smclineparsers.moc"
