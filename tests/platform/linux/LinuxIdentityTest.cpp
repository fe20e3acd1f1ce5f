#include "platform/linux/LinuxHardwareOverview.h"
#include "platform/linux/LinuxSystemControl.h"
#include "support/FakeTree.h"

#include <QJsonDocument>
#include <QTest>

using OptionalText = std::optional<QString>;

class LinuxIdentityTest : public QObject
{
    Q_OBJECT

private slots:
    void readsIdentity_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("file2");
        QTest::addColumn<QByteArray>("content2");
        QTest::addColumn<OptionalText>("identifier");
        QTest::addColumn<QByteArray>("overview");

        QTest::newRow("Intel Mac DMI") << "sys/class/dmi/id/product_name" << QByteArray("MacBookAir7,2\n") << ""
                                       << QByteArray() << OptionalText("MacBookAir7,2")
                                       << QByteArray(R"({"SPHardwareDataType":[{"machine_model":"MacBookAir7,2"}]})");
        QTest::newRow("Apple silicon device tree")
            << "proc/device-tree/compatible" << QByteArray("apple,j413\0apple,t8112\0apple,arm-platform\0", 43)
            << "proc/device-tree/model" << QByteArray("Apple MacBook Air (13-inch, M2, 2022)\0", 38)
            << OptionalText("Mac14,2")
            << QByteArray(R"({"SPHardwareDataType":[{"machine_model":"Mac14,2","machine_name":"MacBook Air"}]})");
        QTest::newRow("unknown board keeps the model string")
            << "sys/firmware/devicetree/base/compatible" << QByteArray("apple,j999\0apple,arm-platform\0", 30)
            << "sys/firmware/devicetree/base/model" << QByteArray("Apple MacBook Pro (99-inch)\0", 28)
            << OptionalText("Apple MacBook Pro (99-inch)")
            << QByteArray(
                   R"j({"SPHardwareDataType":[{"machine_model":"Apple MacBook Pro (99-inch)","machine_name":"MacBook Pro"}]})j");
        QTest::newRow("other device tree machine")
            << "proc/device-tree/compatible" << QByteArray("raspberrypi,4-model-b\0brcm,bcm2711\0", 35)
            << "proc/device-tree/model" << QByteArray("Raspberry Pi 4\0", 15) << OptionalText() << QByteArray();
        QTest::newRow("nothing known") << "" << QByteArray() << "" << QByteArray() << OptionalText() << QByteArray();
    }
    void readsIdentity()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, file2);
        QFETCH(QByteArray, content2);
        QFETCH(OptionalText, identifier);
        QFETCH(QByteArray, overview);

        FakeTree tree;
        if (!file.isEmpty())
            tree.write(file, content);
        if (!file2.isEmpty())
            tree.write(file2, content2);
        QCOMPARE(LinuxSystemControl(tree.root()).text("hw.model"), identifier);
        const auto json = LinuxHardwareOverview(tree.root()).json();
        QCOMPARE(json.has_value(), !overview.isEmpty());
        if (json)
            QCOMPARE(QJsonDocument::fromJson(*json), QJsonDocument::fromJson(overview));
    }

    void answersOnlyKnownNames()
    {
        FakeTree tree;
        tree.write(QStringLiteral("sys/class/dmi/id/product_name"), "MacBookPro16,1\n");
        const LinuxSystemControl control(tree.root());
        QCOMPARE(control.text("hw.ncpu"), std::nullopt);
        QVERIFY(control.integer("hw.optional.arm64").has_value());
        QCOMPARE(control.integer("hw.model"), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(LinuxIdentityTest)
#include "LinuxIdentityTest.moc"
