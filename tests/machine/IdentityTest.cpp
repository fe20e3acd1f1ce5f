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

        QTest::newRow("new Air known by name only") << "MacBook Air (M2, 2022)"
                                                    << "Mac14,2" << MacBookFamily::air;
        QTest::newRow("empty name, Pro identifier") << ""
                                                    << "MacBookPro16,1" << MacBookFamily::pro;
        QTest::newRow("12-inch identifier beats plain MacBook") << "MacBook"
                                                                << "MacBook10,1" << MacBookFamily::twelveInch;
        QTest::newRow("desktop") << "Mac mini"
                                 << "Macmini9,1" << MacBookFamily::unsupported;
        QTest::newRow("Neo identifier with any name") << "MacBook Pro"
                                                      << "Mac17,5" << MacBookFamily::neo;
        QTest::newRow("Neo by name before Pro rule") << "MacBook Neo"
                                                     << "MacBookPro1,1" << MacBookFamily::neo;
        QTest::newRow("Neo identifier in any case") << ""
                                                    << "MACBOOKNEO1,1" << MacBookFamily::neo;
        QTest::newRow("name matched without case") << "MACBOOK PRO"
                                                   << "Mac15,3" << MacBookFamily::pro;
        QTest::newRow("identifier prefix is case sensitive") << ""
                                                             << "macbookpro16,1" << MacBookFamily::unsupported;
        QTest::newRow("12 Zoll by name") << "MacBook 12 Zoll"
                                         << "Mac99,1" << MacBookFamily::twelveInch;
        QTest::newRow("12-inch by name") << "MacBook (Retina, 12-inch, 2017)"
                                         << "" << MacBookFamily::twelveInch;
        QTest::newRow("old plain MacBook") << ""
                                           << "MacBook7,1" << MacBookFamily::macBook;
        QTest::newRow("current notebook without name") << "Mac"
                                                       << "Mac15,3" << MacBookFamily::unsupported;
        QTest::newRow("unreadable identifier") << "Mac"
                                               << "Unbekannt" << MacBookFamily::unsupported;
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
        QTest::newRow("Neo") << "Mac17,5"
                             << "MacBook Neo";
        QTest::newRow("Pro") << "MacBookPro16,1"
                             << "MacBook Pro";
        QTest::newRow("Air") << "MacBookAir10,1"
                             << "MacBook Air";
        QTest::newRow("12-inch") << "MacBook9,1"
                                 << "MacBook 12 Zoll";
        QTest::newRow("plain") << "MacBook7,1"
                               << "MacBook";
        QTest::newRow("current") << "Mac14,2"
                                 << "Mac";
        QTest::newRow("unknown") << "Unbekannt"
                                 << "Mac";
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

    void choosesPagesPerFamily_data()
    {
        QTest::addColumn<MacBookFamily>("family");
        QTest::addColumn<QString>("battery");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("keyboard");
        QTest::addColumn<QString>("usbC");
        QTest::addColumn<QString>("trackpad");

        QTest::newRow("pro") << MacBookFamily::pro << "/macbook-pro-akku-wechsel/"
                             << "/macbook-pro-display-reparatur/"
                             << "/macbook-tastatur-reparatur/"
                             << "/macbook-pro-usb-c-reparatur/"
                             << "/macbook-trackpad-reparatur/";
        QTest::newRow("air") << MacBookFamily::air << "/macbook-air-akku-wechsel/"
                             << "/macbook-air-display-reparatur/"
                             << "/macbook-air-tastatur-topcase-reparatur/"
                             << "/macbook-air-usb-c-reparatur/"
                             << "/macbook-trackpad-reparatur/";
        QTest::newRow("twelveInch") << MacBookFamily::twelveInch << "/macbook-12-zoll-akku-wechsel/"
                                    << "/macbook-display-reparatur/"
                                    << "/macbook-12-tastatur-topcase-reparatur/"
                                    << "/macbook-12-zoll-usb-c-anschluss-ladebuchse-reparatur/"
                                    << "/macbook-12-zoll-trackpad-reparatur/";
        QTest::newRow("neo") << MacBookFamily::neo << "/macbook-neo-akku-wechsel/"
                             << "/macbook-neo-display-reparatur/"
                             << "/macbook-tastatur-reparatur/"
                             << "/macbook-neo-usb-c-reparatur/"
                             << "/macbook-trackpad-reparatur/";
        QTest::newRow("macBook") << MacBookFamily::macBook << ""
                                 << "/macbook-display-reparatur/"
                                 << "/macbook-tastatur-reparatur/"
                                 << "/macbook-usb-c-reparatur/"
                                 << "/macbook-trackpad-reparatur/";
        QTest::newRow("unsupported") << MacBookFamily::unsupported << ""
                                     << "/macbook-display-reparatur/"
                                     << "/macbook-tastatur-reparatur/"
                                     << "/macbook-usb-c-reparatur/"
                                     << "/macbook-trackpad-reparatur/";
    }
    void choosesPagesPerFamily()
    {
        QFETCH(MacBookFamily, family);
        QFETCH(QString, battery);
        QFETCH(QString, display);
        QFETCH(QString, keyboard);
        QFETCH(QString, usbC);
        QFETCH(QString, trackpad);

        const auto batteryPage = batteryRepairURL(family);
        QCOMPARE(batteryPage.has_value(), !battery.isEmpty());
        if (batteryPage)
            QCOMPARE(batteryPage->path(), battery);
        QCOMPARE(displayRepairURL(family).path(), display);
        QCOMPARE(keyboardRepairURL(family).path(), keyboard);
        QCOMPARE(usbCRepairURL(family).path(), usbC);
        QCOMPARE(trackpadRepairURL(family).path(), trackpad);
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

    void familyNames_data()
    {
        QTest::addColumn<MacBookFamily>("family");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("display");
        QTest::newRow("pro") << MacBookFamily::pro << "pro"
                             << "MacBook Pro";
        QTest::newRow("air") << MacBookFamily::air << "air"
                             << "MacBook Air";
        QTest::newRow("twelveInch") << MacBookFamily::twelveInch << "twelveInch"
                                    << "MacBook 12 Zoll";
        QTest::newRow("neo") << MacBookFamily::neo << "neo"
                             << "MacBook Neo";
        QTest::newRow("macBook") << MacBookFamily::macBook << "macBook"
                                 << "MacBook";
        QTest::newRow("unsupported") << MacBookFamily::unsupported << "unsupported"
                                     << "Nicht unterstützter Mac";
    }
    void familyNames()
    {
        QFETCH(MacBookFamily, family);
        QFETCH(QString, raw);
        QFETCH(QString, display);
        QCOMPARE(rawValue(family), raw);
        QCOMPARE(displayName(family), display);
    }
};

QTEST_GUILESS_MAIN(IdentityTest)
#include "IdentityTest.moc"
