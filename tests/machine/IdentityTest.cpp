#include "machine/MacBookFamily.h"
#include "machine/ModelIdentity.h"
#include "machine/RepairPages.h"
#include "support/FakePlatform.h"

#include <QTest>

class IdentityTest : public QObject
{
    Q_OBJECT

private slots:
    void detectsFamily_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<MacBookFamily>("family");
        const auto row = [](const char *tag, const char *name, const char *identifier, MacBookFamily family) {
            QTest::newRow(tag) << QString::fromUtf8(name) << QString::fromUtf8(identifier) << family;
        };
        using enum MacBookFamily;
        row("new Air known by name only", "MacBook Air (M2, 2022)", "Mac14,2", air);
        row("empty name, Pro identifier", "", "MacBookPro16,1", pro);
        row("12-inch identifier beats plain MacBook", "MacBook", "MacBook10,1", twelveInch);
        row("desktop", "Mac mini", "Macmini9,1", unsupported);
        row("Neo identifier with any name", "MacBook Pro", "Mac17,5", neo);
        row("Neo by name before Pro rule", "MacBook Neo", "MacBookPro1,1", neo);
        row("Neo identifier in any case", "", "MACBOOKNEO1,1", neo);
        row("name matched without case", "MACBOOK PRO", "Mac15,3", pro);
        row("identifier prefix is case sensitive", "", "macbookpro16,1", unsupported);
        row("12 Zoll by name", "MacBook 12 Zoll", "Mac99,1", twelveInch);
        row("12-inch by name", "MacBook (Retina, 12-inch, 2017)", "", twelveInch);
        row("old plain MacBook", "", "MacBook7,1", macBook);
        row("current notebook without name", "Mac", "Mac15,3", unsupported);
        row("unreadable identifier", "Mac", "Unbekannt", unsupported);
    }
    void detectsFamily()
    {
        QFETCH(QString, name);
        QFETCH(QString, identifier);
        QFETCH(MacBookFamily, family);
        QCOMPARE(detectFamily(name, identifier), family);
    }

    void fallbackNames_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("name");
        for (const auto &[identifier, name] : {std::pair {"Mac17,5", "MacBook Neo"},
                                               {"MacBookPro16,1", "MacBook Pro"},
                                               {"MacBookAir10,1", "MacBook Air"},
                                               {"MacBook9,1", "MacBook 12 Zoll"},
                                               {"MacBook7,1", "MacBook"},
                                               {"Mac14,2", "Mac"},
                                               {"Unbekannt", "Mac"}})
            QTest::newRow(identifier) << QString::fromUtf8(identifier) << QString::fromUtf8(name);
    }
    void fallbackNames()
    {
        QFETCH(QString, identifier);
        QFETCH(QString, name);
        QCOMPARE(fallbackModelName(identifier), name);
    }

    void modelIdentifierFallsBackToUnbekannt()
    {
        QCOMPARE(modelIdentifier(*makeFakePlatform({}).systemControl), QStringLiteral("Unbekannt"));
        QCOMPARE(modelIdentifier(
                     *makeFakePlatform({std::nullopt, std::nullopt, QStringLiteral("MacBookAir7,2")}).systemControl),
                 QStringLiteral("MacBookAir7,2"));
    }

    // Battery, display, keyboard, USB-C and trackpad pages.
    void choosesPagesPerFamily_data()
    {
        QTest::addColumn<MacBookFamily>("family");
        QTest::addColumn<QStringList>("pages");
        using enum MacBookFamily;
        QTest::newRow("pro") << pro
                             << QStringList {"/macbook-pro-akku-wechsel/", "/macbook-pro-display-reparatur/",
                                             "/macbook-tastatur-reparatur/", "/macbook-pro-usb-c-reparatur/",
                                             "/macbook-trackpad-reparatur/"};
        QTest::newRow("air") << air
                             << QStringList {"/macbook-air-akku-wechsel/", "/macbook-air-display-reparatur/",
                                             "/macbook-air-tastatur-topcase-reparatur/",
                                             "/macbook-air-usb-c-reparatur/", "/macbook-trackpad-reparatur/"};
        QTest::newRow("twelveInch") << twelveInch
                                    << QStringList {"/macbook-12-zoll-akku-wechsel/", "/macbook-display-reparatur/",
                                                    "/macbook-12-tastatur-topcase-reparatur/",
                                                    "/macbook-12-zoll-usb-c-anschluss-ladebuchse-reparatur/",
                                                    "/macbook-12-zoll-trackpad-reparatur/"};
        QTest::newRow("neo") << neo
                             << QStringList {"/macbook-neo-akku-wechsel/", "/macbook-neo-display-reparatur/",
                                             "/macbook-tastatur-reparatur/", "/macbook-neo-usb-c-reparatur/",
                                             "/macbook-trackpad-reparatur/"};
        // No battery page for the others.
        for (const MacBookFamily family : {macBook, unsupported})
            QTest::newRow(qPrintable(rawValue(family)))
                << family
                << QStringList {"", "/macbook-display-reparatur/", "/macbook-tastatur-reparatur/",
                                "/macbook-usb-c-reparatur/", "/macbook-trackpad-reparatur/"};
    }

    void choosesPagesPerFamily()
    {
        QFETCH(MacBookFamily, family);
        QFETCH(QStringList, pages);
        const auto battery = batteryRepairURL(family);
        QCOMPARE((QStringList {battery ? battery->path() : QString(), displayRepairURL(family).path(),
                               keyboardRepairURL(family).path(), usbCRepairURL(family).path(),
                               trackpadRepairURL(family).path()}),
                 pages);
    }

    void pagesAreAbsoluteSecureAddresses()
    {
        for (const QUrl &page : {RepairPages::cleaning(), RepairPages::diagnosisEstimate(), RepairPages::magSafe(),
                                 *batteryRepairURL(MacBookFamily::air)}) {
            QVERIFY2(page.isValid() && page.scheme() == QLatin1String("https") && !page.host().isEmpty(),
                     qPrintable(page.toString()));
        }
        QCOMPARE(RepairPages::cleaning().path(), QStringLiteral("/intensive-mac-reinigung/"));
        QCOMPARE(RepairPages::diagnosisEstimate().path(), QStringLiteral("/macbook-diagnose-kostenvoranschlag/"));
        QCOMPARE(RepairPages::magSafe().path(), QStringLiteral("/macbook-magsafe-anschluss-reparatur/"));
    }

    // The raw names are what stored results carry.
    void familyNames()
    {
        using enum MacBookFamily;
        QStringList raw, shown;
        for (const MacBookFamily family : {pro, air, twelveInch, neo, macBook, unsupported}) {
            raw << rawValue(family);
            shown << displayName(family);
        }
        QCOMPARE(raw, (QStringList {"pro", "air", "twelveInch", "neo", "macBook", "unsupported"}));
        QCOMPARE(shown,
                 (QStringList {"MacBook Pro", "MacBook Air", "MacBook 12 Zoll", "MacBook Neo", "MacBook",
                               "Nicht unterstützter Mac"}));
    }
};

QTEST_GUILESS_MAIN(IdentityTest)
#include "IdentityTest.moc"
