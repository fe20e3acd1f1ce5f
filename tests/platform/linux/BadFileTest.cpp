#include "platform/linux/ApplesmcKeyFiles.h"
#include "platform/linux/LinuxMachineIdentity.h"
#include "platform/linux/MacsmcHwmonKeys.h"
#include "platform/linux/ProcProcessTable.h"
#include "platform/linux/SysfsAttribute.h"
#include "support/FakeTree.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Kind { plain, pipe, symlinkLoop, sparse, junk, denied };

const QString capacity = QStringLiteral("sys/class/power_supply/BAT0/capacity");
const QString product = QStringLiteral("sys/class/dmi/id/product_name");
const QString compatible = QStringLiteral("proc/device-tree/compatible");
const QString hwmon = QStringLiteral("sys/class/hwmon/hwmon0");
const QString label = hwmon + QStringLiteral("/temp1_label");
const QString uptime = QStringLiteral("proc/uptime");
const QString applesmc = QStringLiteral("sys/devices/platform/applesmc.768");
const QString selector = applesmc + QStringLiteral("/key_at_index");

// Readable files for every reader below; the row then spoils the ones it names.
void writeMachine(const FakeTree &tree)
{
    tree.write(capacity, "77\n");
    tree.write(product, "MacBookPro14,1\n");
    tree.write(compatible, QByteArray("apple,j413\0apple,arm-platform\0", 30));
    tree.write(hwmon + QStringLiteral("/name"), "macsmc_hwmon\n");
    tree.write(label, "Battery Hotspot\n");
    tree.write(hwmon + QStringLiteral("/temp1_input"), "30500\n");
    tree.write(hwmon + QStringLiteral("/device/of_node/t0/label"), QByteArray("Battery Hotspot\0", 16));
    tree.write(hwmon + QStringLiteral("/device/of_node/t0/apple,key-id"), QByteArray("TB0T\0", 5));
    tree.write(uptime, "100.00 1.00\n");
    tree.write(QStringLiteral("proc/1/stat"), "1 (init) S 0 1 1 0 -1 0 0 0 0 0 5 5 0 0 20 0 1 0 10 1000 300 0\n");
    tree.write(selector, "0\n");
}

void spoil(const FakeTree &tree, const QString &relative, Kind kind)
{
    const QString path = QDir(tree.root()).filePath(relative);
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case Kind::plain: return;
    case Kind::pipe:
        QFile::remove(path);
        QVERIFY(::mkfifo(name.constData(), 0666) == 0);
        return;
    case Kind::symlinkLoop:
        QFile::remove(path);
        QVERIFY(QFile::link(path, path));
        return;
    case Kind::sparse: QVERIFY(QFile::resize(path, 0) && QFile::resize(path, qint64(2) << 30)); return;
    case Kind::junk:
        tree.write(relative,
                   QByteArray("\x7f"
                              "ELF\x02\x01\x01\0\xff\xfe\x80\x1b[2J\x07",
                              16));
        return;
    case Kind::denied: QVERIFY(::chmod(name.constData(), 0) == 0); return;
    }
}

// Root reads through permission bits; for the reads, this thread's file
// system identity becomes an ordinary user's, which also drops that right.
class OrdinaryUser
{
public:
    explicit OrdinaryUser(bool wanted)
        : m_active(wanted && ::geteuid() == 0)
    {
        if (m_active)
            ::setfsuid(65534);
    }
    ~OrdinaryUser()
    {
        if (m_active)
            ::setfsuid(0);
    }

private:
    bool m_active;
};

} // namespace

class BadFileTest : public QObject
{
    Q_OBJECT

private slots:
    void readersGiveNoValue_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("plain files are read") << Kind::plain;
        QTest::newRow("named pipe without writer") << Kind::pipe;
        QTest::newRow("symbolic link to itself") << Kind::symlinkLoop;
        QTest::newRow("2 GiB sparse file") << Kind::sparse;
        QTest::newRow("binary junk") << Kind::junk;
        QTest::newRow("permission denied") << Kind::denied;
    }

    void readersGiveNoValue()
    {
        QFETCH(Kind, kind);
        FakeTree tree;
        // The ordinary user must reach the files.
        QVERIFY(::chmod(QFile::encodeName(tree.root()).constData(), 0755) == 0);
        writeMachine(tree);
        for (const QString &file : {capacity, product, compatible, label, uptime, selector})
            spoil(tree, file, kind);
        const QDir root(tree.root());
        const bool readable = kind == Kind::plain;

        const OrdinaryUser user(kind == Kind::denied);
        QCOMPARE(readAttribute(root.filePath(capacity)).has_value(), readable);
        QCOMPARE(readIntegerAttribute(root.filePath(capacity)).has_value(), readable);
        const LinuxMachineIdentity identity = readMachineIdentity(tree.root());
        QCOMPARE(identity.modelIdentifier.has_value(), readable);
        QCOMPARE(macsmcHwmonKeys(root.filePath(hwmon)).size(), qsizetype(readable ? 1 : 0));
        QCOMPARE(ProcProcessTable(tree.root()).open()->rows().size(), qsizetype(readable ? 1 : 0));
        // A sparse selector is still a file to write to; its data stays bounded.
        const auto keyFiles = openApplesmcKeyFiles(root.filePath(applesmc));
        QCOMPARE(keyFiles != nullptr, readable || kind == Kind::sparse || kind == Kind::junk);
        if (keyFiles)
            QVERIFY(keyFiles->read("key_at_index").value_or(QByteArray()).size() <= 256);
    }
};

QTEST_GUILESS_MAIN(BadFileTest)
#include "BadFileTest.moc"
