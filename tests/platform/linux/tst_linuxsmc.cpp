#include "platform/linux/ApplesmcRootSession.h"
#include "platform/linux/LinuxSmcTransport.h"
#include "platform/smc/SmcAccess.h"
#include "support/FakeApplesmc.h"

#include <QDir>
#include <QTest>

#include <functional>

namespace {

QByteArray temperatureText(const SmcTransport &smc, std::int32_t *result = nullptr)
{
    char buffer[4096] = {};
    const std::int32_t lines = smc_copy_temperature_lines(smc, buffer, sizeof buffer);
    if (result)
        *result = lines;
    return QByteArray(buffer);
}

QByteArray fanText(const SmcTransport &smc)
{
    char buffer[1024] = {};
    smc_copy_fan_lines(smc, buffer, sizeof buffer);
    return QByteArray(buffer);
}

// applesmc's key selection files: one index for every process, moved by
// writing it; key_count and the key_at_index files follow it.
struct FakeApplesmcDriver
{
    struct Key
    {
        QByteArray name;
        QByteArray type;
        QByteArray data;
    };
    QList<Key> keys;
    std::uint32_t index = 0;
    int selections = 0;
    // Runs before every read, as another process might.
    std::function<void(FakeApplesmcDriver &, const char *)> meanwhile;
};

class FakeApplesmcKeyFiles : public ApplesmcKeyFiles
{
public:
    explicit FakeApplesmcKeyFiles(std::shared_ptr<FakeApplesmcDriver> driver)
        : m_driver(std::move(driver))
    {
    }
    bool select(std::uint32_t index) override
    {
        if (index >= std::uint32_t(m_driver->keys.size()))
            return false;
        m_driver->index = index;
        ++m_driver->selections;
        return true;
    }
    std::optional<QByteArray> read(const char *attribute) override
    {
        if (m_driver->meanwhile)
            m_driver->meanwhile(*m_driver, attribute);
        const QByteArray name(attribute);
        const FakeApplesmcDriver::Key &key = m_driver->keys.at(m_driver->index);
        if (name == "key_count")
            return QByteArray::number(m_driver->keys.size()) + '\n';
        if (name == "key_at_index")
            return QByteArray::number(m_driver->index) + '\n';
        if (name == "key_at_index_name")
            return key.name + '\n';
        if (name == "key_at_index_type")
            return key.type + '\n';
        if (name == "key_at_index_data_length")
            return QByteArray::number(key.data.size()) + '\n';
        if (name == "key_at_index_data")
            return key.data;
        return std::nullopt;
    }

private:
    std::shared_ptr<FakeApplesmcDriver> m_driver;
};

class RootTransport : public SessionSmcTransport
{
public:
    explicit RootTransport(std::shared_ptr<FakeApplesmcDriver> driver)
        : m_driver(std::move(driver))
    {
    }

protected:
    std::unique_ptr<SmcSession> openSession() const override
    {
        return std::make_unique<ApplesmcRootSession>(std::make_unique<FakeApplesmcKeyFiles>(m_driver));
    }

private:
    std::shared_ptr<FakeApplesmcDriver> m_driver;
};

std::shared_ptr<FakeApplesmcDriver> intelDriver()
{
    auto driver = std::make_shared<FakeApplesmcDriver>();
    driver->keys = {
        {"#KEY", "ui32", QByteArray("\0\0\0\x09", 4)}, {"F0Ac", "fpe2", QByteArray("\x24\x44", 2)},
        {"F0Mn", "fpe2", QByteArray("\x21\xC0", 2)},   {"F0Mx", "fpe2", QByteArray("\x60\x30", 2)},
        {"FNum", "ui8 ", QByteArray("\x01", 1)},       {"FS! ", "ui16", QByteArray("\0\0", 2)},
        {"TB0T", "sp78", QByteArray("\x1A\x0A", 2)}, // a line feed inside the data
        {"TC0P", "sp78", QByteArray("\x30\x40", 2)},   {"TCTD", "sp78", QByteArray("\0\0", 2)},
    };
    return driver;
}

} // namespace

class LinuxSmcTest : public QObject
{
    Q_OBJECT

private slots:
    void intelMacBookProWithoutKeySelection()
    {
        FakeTree tree;
        addIntelMacBookProApplesmc(tree);
        // May select keys, but the driver offers no selection file.
        const LinuxSmcTransport smc(tree.root(), true);

        std::int32_t lines = 0;
        QCOMPARE(temperatureText(smc, &lines),
                 QByteArray("TB0T|26.250\nTB1T|25.750\nTC0E|60.000\nTC0P|57.750\nTG0P|52.000\n"
                            "TM0P|45.500\nTW0P|40.250\nTs0P|31.000\n"));
        QCOMPARE(lines, 8);
        QCOMPARE(fanText(smc), QByteArray("0|2321.0|2160.0|6156.0|2304.0\n"));
    }

    void keySelectionFileIsNeverWrittenByUsers()
    {
        FakeTree tree;
        addIntelMacBookProApplesmc(tree);
        const QString selector = QLatin1String(applesmcDirectory) + QStringLiteral("/key_at_index");
        tree.write(selector, "7\n");
        const LinuxSmcTransport smc(tree.root(), false);
        QCOMPARE(temperatureText(smc).count('\n'), 8);
        QFile file(QDir(tree.root()).filePath(selector));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("7\n"));
    }

    void brokenApplesmcFiles()
    {
        FakeTree tree;
        // TC0 is no key, TC0P has no reading, fan2 no plausible maximum.
        tree.writeAttributes(QLatin1String(applesmcDirectory), R"(name=applesmc
temp1_label=TC0
temp1_input=50000
temp2_label=TC0P
temp3_label=TG0P
temp3_input=warm
temp4_label=TB0T
temp4_input=
temp5_label=TA0P
temp5_input=33000
fan2_input=1800
fan2_max=-5)");
        const LinuxSmcTransport smc(tree.root(), false);
        QCOMPARE(temperatureText(smc), QByteArray("TA0P|33.000\n"));
        QCOMPARE(fanText(smc), QByteArray("1|1800.0|-1.0|-1.0|-1.0\n"));
    }

    void noSmcDriver()
    {
        FakeTree tree;
        tree.write(QStringLiteral("sys/class/hwmon/hwmon0/name"), "coretemp\n");
        tree.write(QStringLiteral("sys/devices/platform/applesmc.768/name"), "something else\n");
        std::int32_t lines = 0;
        temperatureText(LinuxSmcTransport(tree.root(), true), &lines);
        QCOMPARE(lines, -4);
    }

    void appleSiliconHwmon()
    {
        FakeTree tree;
        const QString hwmon = QStringLiteral("sys/class/hwmon/hwmon3/");
        tree.write(QStringLiteral("sys/class/hwmon/hwmon0/name"), "nvme\n");
        tree.writeAttributes(hwmon, R"(name=macsmc_hwmon
temp1_label=Battery Hotspot
temp1_input=30500
temp2_label=NAND Flash Temperature
temp2_input=41250
temp3_label=Without Node
temp3_input=40000
fan1_label=Fan
fan1_input=2300
fan1_min=1200
fan1_max=5800
fan1_target=2300)");
        // Device-tree properties, each ending in a NUL.
        const auto node = [&](const QString &name, const QByteArray &properties) {
            for (const QByteArray &line : properties.split('\n')) {
                const qsizetype equals = line.indexOf('=');
                tree.write(hwmon + QStringLiteral("device/of_node/") + name + u'/' +
                               QString::fromUtf8(line.left(equals)),
                           line.mid(equals + 1) + '\0');
            }
        };
        node(QStringLiteral("temperature-0"), "label=Battery Hotspot\napple,key-id=TB0T");
        node(QStringLiteral("temperature-1"), "label=NAND Flash Temperature\napple,key-id=TH0x");
        node(QStringLiteral("fan-0"),
             "label=Fan\napple,key-id=F0Ac\napple,fan-minimum=F0Mn\napple,fan-maximum=F0Mx\napple,fan-target=F0Tg");
        const LinuxSmcTransport smc(tree.root(), true);
        QCOMPARE(temperatureText(smc), QByteArray("TB0T|30.500\nTH0x|41.250\n"));
        QCOMPARE(fanText(smc), QByteArray("0|2300.0|1200.0|5800.0|2300.0\n"));
    }

    void rootEnumeration_data()
    {
        QTest::addColumn<int>("interference");
        QTest::addColumn<QByteArray>("text");
        const QByteArray all = "TB0T|26.039\nTC0P|48.250\n";
        QTest::newRow("alone") << 0 << all;
        QTest::newRow("index moved once") << 1 << all;
        QTest::newRow("index moved all the time") << 1000 << QByteArray("TB0T|26.039\n");
    }
    void rootEnumeration()
    {
        QFETCH(int, interference);
        QFETCH(QByteArray, text);
        auto driver = intelDriver();
        int moves = interference;
        driver->meanwhile = [&moves](FakeApplesmcDriver &driver, const char *attribute) {
            const bool readingTC0P = driver.keys.at(driver.index).name == "TC0P";
            if (moves > 0 && readingTC0P && QByteArray(attribute) == "key_at_index_type") {
                driver.index = 0;
                --moves;
            }
        };
        std::int32_t lines = 0;
        QCOMPARE(temperatureText(RootTransport(driver), &lines), text);
        QCOMPARE(lines, int(text.count('\n')));
    }

    void rootFindsKeysByName()
    {
        auto driver = intelDriver();
        QCOMPARE(fanText(RootTransport(driver)), QByteArray("0|2321.0|2160.0|6156.0|-1.0\n"));
        // Halving nine keys takes a handful of selections per key, not a walk over all.
        QVERIFY2(driver->selections <= 5 * 4 * 2, qPrintable(QString::number(driver->selections)));
    }
};

QTEST_GUILESS_MAIN(LinuxSmcTest)
#include "tst_linuxsmc.moc"
