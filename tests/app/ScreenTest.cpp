#include "app/WorkshopIdentity.h"
#include "battery/BatteryDiagnosticViewModel.h"
#include "machine/SiteAddress.h"
#include "support/BatteryMachines.h"
#include "support/qml/AddressCatcher.h"
#include "support/qml/ScreenHarness.h"

#include <QColor>
#include <QDesktopServices>
#include <QFile>
#include <QQmlComponent>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

namespace {

// A piece of QML placed among the screens, so it sees them by name.
std::unique_ptr<QObject> createAmongScreens(QQmlEngine &engine, const QByteArray &qml)
{
    QQmlComponent component(&engine);
    component.setData(qml, QUrl(QStringLiteral("qrc:/Quarzlinde/TestProbe.qml")));
    std::unique_ptr<QObject> object(component.create());
    if (!object)
        qWarning() << component.errors();
    return object;
}

// A battery check that ends on its result without any values.
class ValuelessBatteryFlow : public BatteryDiagnosticViewModel
{
public:
    using BatteryDiagnosticViewModel::BatteryDiagnosticViewModel;

private:
    QCoro::Task<> run(Ticket) override
    {
        setPhaseValue(static_cast<int>(Phase::result));
        co_return;
    }
};

void finishBattery(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_battery"));
    harness.waitForReader();
    harness.advance(1500ms);
}

QString metricValue(ScreenHarness &harness, const char *card)
{
    QQuickItem *item = harness.find(QString::fromLatin1(card));
    return item ? item->findChild<QQuickItem *>(QStringLiteral("metricValue"))->property("text").toString() : QString();
}

// The item and everything inside it, top to bottom.
QList<QQuickItem *> itemsIn(QQuickItem *item)
{
    QList<QQuickItem *> items {item};
    for (QQuickItem *child : item->childItems())
        items << itemsIn(child);
    return items;
}

} // namespace

class ScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void sidebarWidthFollowsTheWindow_data();
    void sidebarWidthFollowsTheWindow();
    void stepRowsShowProgress();
    void batteryCardLeadsThroughTheCheck();
    void metricCardsInGermanFormat_data();
    void metricCardsInGermanFormat();
    void repairButtonOnlyForADueReplacementWithAPage_data();
    void repairButtonOnlyForADueReplacementWithAPage();
    void errorScreenRetriesAndLeaves();
    void resultWithoutEvaluationShowsTheFallback();
    void legalSheetOpensAndClosesWithoutMovingTheRoute_data();
    void legalSheetOpensAndClosesWithoutMovingTheRoute();
    void legalSheetTexts_data();
    void legalSheetTexts();
    void legalRowsOpenTheirAddresses_data();
    void legalRowsOpenTheirAddresses();
    void everySymbolNameResolvesToAnIcon();
    void shortcutsLeaveCloseAndQuit_data();
    void shortcutsLeaveCloseAndQuit();
    void keysScrollTheLongScreens_data();
    void keysScrollTheLongScreens();
    void aFocusedCardBelowTheFoldScrollsIntoView();
};

void ScreenTest::sidebarWidthFollowsTheWindow_data()
{
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<double>("sidebarWidth");
    QTest::newRow("minimum window") << 1060 << 292.0;
    QTest::newRow("in between") << 1200 << 309.6;
    QTest::newRow("wide window") << 1300 << 322.0;
}

void ScreenTest::sidebarWidthFollowsTheWindow()
{
    QFETCH(int, windowWidth);
    QFETCH(double, sidebarWidth);
    ScreenHarness harness(BatteryMachines::healthyAir(), {windowWidth, 805});
    QCOMPARE(harness.find(QStringLiteral("sidebar"))->width(), sidebarWidth);
}

void ScreenTest::stepRowsShowProgress()
{
    ScreenHarness harness(BatteryMachines::healthyAir());
    harness.press(QStringLiteral("moduleCard_battery"));
    harness.waitForReader();
    harness.advance(1000ms);
    QCOMPARE(harness.shell().currentStep(), 3);

    const QStringList expected {"completed", "completed", "active", "upcoming"};
    for (int number = 1; number <= 4; ++number) {
        QQuickItem *row = harness.find(QStringLiteral("stepRow%1").arg(number));
        QVERIFY(row);
        QCOMPARE(row->property("stepState").toString(), expected.at(number - 1));
        const bool checkmark = row->findChild<QQuickItem *>(QStringLiteral("stepCheckmark"))->isVisible();
        QCOMPARE(checkmark, number < 3);
    }
}

void ScreenTest::batteryCardLeadsThroughTheCheck()
{
    ScreenHarness harness(BatteryMachines::healthyAir());
    QCOMPARE(harness.text(QStringLiteral("catalogueQuestion")),
             QStringLiteral("Was möchtest du an deinem MacBook prüfen?"));

    harness.click(QStringLiteral("moduleCard_battery"));
    QCOMPARE(harness.shell().routeName(), QStringLiteral("battery"));
    QCOMPARE(harness.text(QStringLiteral("checkingHeading")), QStringLiteral("MacBook wird geprüft"));
    harness.waitForReader();
    harness.advance(600ms);
    QCOMPARE(harness.text(QStringLiteral("checkingProgressText")),
             QStringLiteral("Kapazität und Ladezyklen werden geprüft …"));
    QCOMPARE(harness.text(QStringLiteral("checkingPercent")), QStringLiteral("66 %"));

    harness.advance(900ms);
    QCOMPARE(harness.text(QStringLiteral("resultTitle")), QStringLiteral("Akku Check abgeschlossen"));
    QCOMPARE(harness.text(QStringLiteral("resultSubtitle")), QStringLiteral("MacBook Air · MacBookAir10,1"));
    QVERIFY(harness.text(QStringLiteral("verdictText")).startsWith(QStringLiteral("Kapazität, Ladezyklen")));

    harness.press(QStringLiteral("resultBackButton"));
    QCOMPARE(harness.shell().routeName(), QStringLiteral("selection"));
    QVERIFY(harness.isShown(QStringLiteral("moduleCard_battery")));
}

void ScreenTest::metricCardsInGermanFormat_data()
{
    QTest::addColumn<SimulatedMachine>("machine");
    // Health, cycles, condition, full charge, design capacity, charge; the charge card's subtitle and symbol.
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("chargeSubtitle");
    QTest::addColumn<QString>("chargeSymbol");
    QTest::newRow("all values") << BatteryMachines::healthyAir()
                                << QStringList {"96,0 %", "112", "Normal", "4.899 mAh", "5.103 mAh", "80 %"}
                                << "Akku wird derzeit geladen"
                                << "bolt.fill";
    QTest::newRow("missing values") << BatteryMachines::sparseAir()
                                    << QStringList {"–", "–", "Nicht verfügbar", "–", "–", "77 %"}
                                    << "Momentaner Ladezustand"
                                    << "battery.50";
}

void ScreenTest::metricCardsInGermanFormat()
{
    QFETCH(SimulatedMachine, machine);
    QFETCH(QStringList, values);
    QFETCH(QString, chargeSubtitle);
    QFETCH(QString, chargeSymbol);
    ScreenHarness harness(machine);
    finishBattery(harness);
    QStringList shown;
    for (const char *card :
         {"metricHealth", "metricCycles", "metricCondition", "metricFullCharge", "metricDesign", "metricCharge"})
        shown << metricValue(harness, card);
    QCOMPARE(shown, values);
    const QQuickItem *charge = harness.find(QStringLiteral("metricCharge"));
    QCOMPARE(charge->property("subtitle").toString(), chargeSubtitle);
    QCOMPARE(charge->property("symbol").toString(), chargeSymbol);
}

void ScreenTest::repairButtonOnlyForADueReplacementWithAPage_data()
{
    QTest::addColumn<SimulatedMachine>("machine");
    QTest::addColumn<QString>("verdictTitle");
    QTest::addColumn<QColor>("tint");
    // The page the repair button opens; none without a button.
    QTest::addColumn<QUrl>("page");

    const QColor good(17, 111, 53), warning(238, 132, 31), problem(202, 63, 54), neutral(104, 108, 105);
    const QUrl pro(QStringLiteral("https://www.quarzlinde.de/macbook-pro-akku-wechsel/"));
    QTest::newRow("good Air") << BatteryMachines::healthyAir() << "Akku-Wechsel nicht notwendig" << good << QUrl();
    QTest::newRow("soon Pro") << BatteryMachines::agingPro() << "Akku-Wechsel steht bald bevor" << warning << pro;
    QTest::newRow("replace Pro") << BatteryMachines::wornOutPro() << "Akku-Wechsel notwendig" << problem << pro;
    QTest::newRow("replace MacBook without page")
        << BatteryMachines::wornOutMacBook() << "Akku-Wechsel notwendig" << problem << QUrl();
    QTest::newRow("unavailable Air") << BatteryMachines::sparseAir() << "Bewertung nicht vollständig möglich" << neutral
                                     << QUrl();
}

void ScreenTest::repairButtonOnlyForADueReplacementWithAPage()
{
    QFETCH(SimulatedMachine, machine);
    QFETCH(QString, verdictTitle);
    QFETCH(QColor, tint);
    QFETCH(QUrl, page);

    AddressCatcher browser({QStringLiteral("https")});
    ScreenHarness harness(machine);
    finishBattery(harness);
    QCOMPARE(harness.text(QStringLiteral("verdictTitle")), verdictTitle);
    // The health card wears the verdict's tint.
    QCOMPARE(harness.find(QStringLiteral("metricHealth"))->property("tint").value<QColor>(), tint);
    QCOMPARE(harness.isShown(QStringLiteral("batteryRepairButton")), !page.isEmpty());
    if (page.isEmpty())
        return;
    harness.press(QStringLiteral("batteryRepairButton"));
    QCOMPARE(browser.opened, QList<QUrl> {page});
    QCOMPARE(harness.shell().routeName(), QStringLiteral("battery"));
}

void ScreenTest::errorScreenRetriesAndLeaves()
{
    ScreenHarness harness(BatteryMachines::desktop());
    finishBattery(harness);
    QCOMPARE(harness.text(QStringLiteral("errorHeading")), QStringLiteral("Diagnose nicht abgeschlossen"));
    QVERIFY(harness.text(QStringLiteral("errorMessage")).startsWith(QStringLiteral("Keine interne MacBook Batterie")));
    harness.press(QStringLiteral("errorRetryButton"));
    QCOMPARE(harness.text(QStringLiteral("checkingHeading")), QStringLiteral("MacBook wird geprüft"));

    harness.waitForReader();
    harness.advance(1500ms);
    harness.press(QStringLiteral("errorBackButton"));
    QCOMPARE(harness.shell().routeName(), QStringLiteral("selection"));
    QCOMPARE(harness.shell().batteryModel()->phaseName(), QStringLiteral("start"));
}

void ScreenTest::resultWithoutEvaluationShowsTheFallback()
{
    ScreenHarness harness(BatteryMachines::healthyAir());
    harness.shell().registerModule(
        DiagnosisModule::battery,
        new ValuelessBatteryFlow(makeFakePlatform(BatteryMachines::healthyAir()), harness.clock()),
        QStringLiteral("BatteryModuleView.qml"));
    harness.press(QStringLiteral("moduleCard_battery"));
    QCOMPARE(harness.shell().batteryModel()->phaseName(), QStringLiteral("result"));
    QCOMPARE(harness.text(QStringLiteral("errorMessage")),
             QStringLiteral("Die Akku-Diagnose konnte nicht abgeschlossen werden."));
}

void ScreenTest::legalSheetOpensAndClosesWithoutMovingTheRoute_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<bool>("withEscape");
    QTest::newRow("top bar, close button") << "topBarInfoButton" << false;
    QTest::newRow("sidebar, platform dismiss") << "sidebarLegalButton" << true;
}

void ScreenTest::legalSheetOpensAndClosesWithoutMovingTheRoute()
{
    QFETCH(QString, opener);
    QFETCH(bool, withEscape);

    ScreenHarness harness(BatteryMachines::healthyAir());
    finishBattery(harness);
    harness.press(opener);
    QVERIFY(harness.shell().showLegalInformation());
    QVERIFY(harness.isShown(QStringLiteral("legalTitle")));
    QCOMPARE(harness.text(QStringLiteral("legalTitle")), QStringLiteral("Impressum & Datenschutz"));
    QQuickItem *sheet = harness.find(QStringLiteral("legalContent"));
    QVERIFY(sheet->width() >= 680 - 1);

    if (withEscape)
        QTest::keyClick(harness.window(), Qt::Key_Escape);
    else
        harness.press(QStringLiteral("legalCloseButton"));
    QTRY_VERIFY(!harness.shell().showLegalInformation());
    QVERIFY(!harness.isShown(QStringLiteral("legalTitle")));
    QCOMPARE(harness.shell().routeName(), QStringLiteral("battery"));
    QCOMPARE(harness.text(QStringLiteral("resultTitle")), QStringLiteral("Akku Check abgeschlossen"));

    harness.press(opener);
    QCOMPARE(harness.text(QStringLiteral("legalTitle")), QStringLiteral("Impressum & Datenschutz"));
}

void ScreenTest::legalSheetTexts_data()
{
    // A notice box's or section's heading and the texts right below it; a box
    // also wears its symbol and tint.
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QColor>("tint");
    QTest::addColumn<QStringList>("texts");

    const QColor green(17, 111, 53), blue(0x00, 0x7a, 0xff), orange(0xff, 0x95, 0x00);
    const auto box = [](const char *heading, const char *symbol, const QColor &tint, const QStringList &texts) {
        QTest::newRow(heading) << QString::fromUtf8(heading) << QString::fromLatin1(symbol) << tint << texts;
    };
    const auto section = [&box](const char *heading, const QStringList &texts) { box(heading, "", QColor(), texts); };

    box("100 % kostenlos", "checkmark.seal.fill", green,
        {"Die Quarzlinde MacBook Fehlerdiagnose wird ausschließlich kostenlos bereitgestellt. Für Download, "
         "Installation und Nutzung verlangt die Quarzlinde kein Entgelt."});
    box("Lokaler Hardware-Check ohne Datenübertragung", "hand.raised.fill", blue,
        {"Die App liest Batterie-, Temperatur-, Systemlast- und USB-C-Hardwaredaten ausschließlich lokal auf dem "
         "eigenen Mac aus. Der Lautsprechertest erzeugt lokal Testtöne und speichert nur die vom Nutzer ausgewählte "
         "Bewertung im Arbeitsspeicher. Es werden keine Geräte-, Nutzungs- oder Diagnosedaten an die Quarzlinde oder "
         "an andere externe Dienste übertragen.",
         "Externe Webseiten werden nur geöffnet, wenn ein Reparatur- oder Informationslink bewusst angeklickt wird. "
         "Analyse-, Werbe- und Trackingdienste sind nicht enthalten."});
    box("Hinweis zur Temperaturbewertung", "thermometer.high", orange,
        {"Apple veröffentlicht keine allgemeine interne Sensortemperatur, ab der Staub oder eine notwendige Reinigung "
         "diagnostiziert werden kann. Die in der App verwendeten Temperaturbereiche sind deshalb "
         "Quarzlinde-Prüfheuristiken für einen schnellen Werkstatt-Check und keine Apple-Spezifikation.",
         "Hohe CPU- oder GPU-Auslastung kann Sensorwerte kurzfristig deutlich erhöhen. Bei einer "
         "Reinigungs-Empfehlung sollte der Test ohne rechenintensive Hintergrundaufgaben wiederholt und die Kühlung "
         "bei weiterhin auffälligen Werten fachgerecht geprüft werden."});
    box("Hinweis zur Akku-Bewertung", "battery.50", orange,
        {"Die Akku-Bewertung ist eine automatisierte Orientierung anhand von Restkapazität, Ladezyklen und dem von "
         "macOS gemeldeten Batteriestatus. Sie ersetzt keine technische Untersuchung bei ungewöhnlichem Verhalten oder "
         "sichtbarer Verformung."});
    box("Hinweis zum USB-C Check", "cable.connector", orange,
        {"Der USB-C Check ist eine softwaregestützte Vorprüfung auf erreichbare Controllerdienste und erkannte USB-C "
         "Stromversorgung. Er ersetzt keine elektrische Messung von Buchse, Ladeelektronik oder Logicboard."});
    box("Hinweis zum Lautsprecher Check", "speaker.wave.2", orange,
        {"Der Lautsprechertest spielt nacheinander definierte Testsignale auf dem rechten und linken Audiokanal ab. "
         "Die Beurteilung von Scheppern, Knacken, Verzerrungen oder Aussetzern erfolgt über die Rückmeldung des "
         "Nutzers und ersetzt keine akustische Werkstattmessung."});

    // The imprint, with the workshop's values from workshop.ini.
    using namespace WorkshopIdentity;
    const QString address =
        QStringList {QString::fromUtf8(street), QString::fromUtf8(postalCodeAndTown), QString::fromUtf8(country)}.join(
            QLatin1Char('\n'));
    section("Impressum", {"Angaben gemäß § 5 Digitale-Dienste-Gesetz (DDG)"});
    section("Diensteanbieter",
            {QString::fromUtf8(businessName) + "\nInhaber: " + QString::fromUtf8(ownerName) + " (Einzelunternehmer)\n" +
             address});
    section("Inhaltlich verantwortlich",
            {"Verantwortlich für journalistisch-redaktionelle Inhalte gemäß § 18 Abs. 2 Medienstaatsvertrag (MStV):",
             QString::fromUtf8(responsibleName) + '\n' + address});
    section("Kontaktmöglichkeiten", {QString::fromUtf8(email), QString::fromUtf8(telephone), "Kontaktformular öffnen"});
    section("Streitbeilegung",
            {"Wir sind nicht bereit oder verpflichtet, an Streitbeilegungsverfahren vor einer "
             "Verbraucherschlichtungsstelle teilzunehmen."});
    section("Allgemeine Geschäftsbedingungen",
            {"AGB auf " + QUrl(QString::fromLatin1(siteBaseAddress)).host() + " öffnen",
             "Apple, das Apple-Logo, MacBook, MacBook Air, MacBook Pro, macOS und weitere Bezeichnungen sind "
             "eingetragene Marken der Apple Inc. Die Quarzlinde steht in keinem Zusammenhang mit Apple Inc."});
}

void ScreenTest::legalSheetTexts()
{
    QFETCH(QString, heading);
    QFETCH(QString, symbol);
    QFETCH(QColor, tint);
    QFETCH(QStringList, texts);

    ScreenHarness harness(BatteryMachines::healthyAir());
    harness.press(QStringLiteral("topBarInfoButton"));
    QQuickItem *content = harness.find(QStringLiteral("legalContent"));
    QVERIFY(content);
    QStringList shown;
    const QQuickItem *box = nullptr;
    for (const QQuickItem *item : itemsIn(content)) {
        if (item->inherits("QQuickText") && item->isVisible())
            shown << item->property("text").toString();
        if (item->property("title").toString() == heading && item->property("systemImage").isValid())
            box = item;
    }
    const qsizetype at = shown.indexOf(heading);
    QVERIFY2(at >= 0, qPrintable(shown.join(QLatin1String(" | "))));
    QCOMPARE(shown.mid(at + 1, texts.size()), texts);

    if (symbol.isEmpty())
        return;
    QVERIFY(box);
    QCOMPARE(box->property("systemImage").toString(), symbol);
    QCOMPARE(box->property("tint").value<QColor>(), tint);
}

void ScreenTest::legalRowsOpenTheirAddresses_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QUrl>("address");
    QTest::newRow("mail") << "legalEmailRow" << QUrl(QStringLiteral("mailto:platzhalter@quarzlinde.de"));
    QTest::newRow("telephone") << "legalPhoneRow" << QUrl(QStringLiteral("tel:+4900000000000"));
    QTest::newRow("contact") << "legalContactRow" << QUrl(QStringLiteral("https://www.quarzlinde.de/kontakt"));
    QTest::newRow("terms") << "legalTermsRow" << QUrl(QStringLiteral("https://www.quarzlinde.de/agb"));
}

void ScreenTest::legalRowsOpenTheirAddresses()
{
    QFETCH(QString, row);
    QFETCH(QUrl, address);

    AddressCatcher handlers({QStringLiteral("mailto"), QStringLiteral("tel"), QStringLiteral("https")});
    ScreenHarness harness(BatteryMachines::healthyAir());
    harness.press(QStringLiteral("topBarInfoButton"));
    harness.press(row);
    QCOMPARE(handlers.opened, QList<QUrl> {address});
    QVERIFY(harness.shell().showLegalInformation());
    QCOMPARE(harness.shell().routeName(), QStringLiteral("selection"));
}

void ScreenTest::everySymbolNameResolvesToAnIcon()
{
    ScreenHarness harness(BatteryMachines::healthyAir());
    const auto probe = createAmongScreens(*qmlEngine(harness.window()->contentItem()), R"(
        import QtQuick
        QtObject {
            function source(name) { return Symbols.source(name) }
            function names() { return Object.keys(Symbols.files) }
        })");
    QVERIFY(probe);
    const auto resolve = [&probe](const QString &name) {
        QVariant source;
        QMetaObject::invokeMethod(probe.get(), "source", Q_RETURN_ARG(QVariant, source), Q_ARG(QVariant, name));
        return source.toString();
    };
    QCOMPARE(resolve(QStringLiteral("no.such.symbol")), QString());
    QVariant names;
    QMetaObject::invokeMethod(probe.get(), "names", Q_RETURN_ARG(QVariant, names));
    QVERIFY(names.toStringList().size() > 50);
    // Every name the table knows has its icon among the resources.
    for (const QString &name : names.toStringList()) {
        const QString source = resolve(name);
        QVERIFY2(source.startsWith(QLatin1String("qrc:/")), qPrintable(name));
        QVERIFY2(QFile::exists(source.mid(3)), qPrintable(name + QLatin1String(" → ") + source));
    }
}

void ScreenTest::shortcutsLeaveCloseAndQuit_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("route");
    QTest::addColumn<bool>("windowShown");
    QTest::addColumn<bool>("quit");
    QTest::newRow("Escape leaves the check")
        << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << "selection" << true << false;
    QTest::newRow("Ctrl+W closes the window")
        << int(Qt::Key_W) << Qt::KeyboardModifiers(Qt::ControlModifier) << "battery" << false << false;
    QTest::newRow("Ctrl+Q quits") << int(Qt::Key_Q) << Qt::KeyboardModifiers(Qt::ControlModifier) << "battery" << true
                                  << true;
}

void ScreenTest::shortcutsLeaveCloseAndQuit()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, route);
    QFETCH(bool, windowShown);
    QFETCH(bool, quit);

    ScreenHarness harness(BatteryMachines::healthyAir());
    QSignalSpy quitting(qmlEngine(harness.window()), &QQmlEngine::quit);
    harness.press(QStringLiteral("moduleCard_battery"));
    harness.advance(300ms);
    QTest::keyClick(harness.window(), Qt::Key(key), modifiers);
    QCoreApplication::processEvents();
    QCOMPARE(harness.shell().routeName(), route);
    QCOMPARE(harness.window()->isVisible(), windowShown);
    QCOMPARE(quitting.size(), quit ? 1 : 0);
}

void ScreenTest::keysScrollTheLongScreens_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QList<int>>("keys");
    // Where the screen ends up: "top", "bottom", a "line" or a "page" down.
    QTest::addColumn<QString>("expected");
    const QString catalogue = QStringLiteral("catalogue");
    const QString legal = QStringLiteral("legalContent");
    QTest::newRow("catalogue, End") << catalogue << QList<int> {Qt::Key_End} << "bottom";
    QTest::newRow("catalogue, End then Home") << catalogue << QList<int> {Qt::Key_End, Qt::Key_Home} << "top";
    QTest::newRow("catalogue, Down") << catalogue << QList<int> {Qt::Key_Down} << "line";
    QTest::newRow("catalogue, Down then Up") << catalogue << QList<int> {Qt::Key_Down, Qt::Key_Up} << "top";
    QTest::newRow("catalogue, Up at the top") << catalogue << QList<int> {Qt::Key_Up} << "top";
    QTest::newRow("catalogue, Page Down") << catalogue << QList<int> {Qt::Key_PageDown} << "page";
    QTest::newRow("legal sheet, End") << legal << QList<int> {Qt::Key_End} << "bottom";
    QTest::newRow("legal sheet, Page Down") << legal << QList<int> {Qt::Key_PageDown} << "page";
    QTest::newRow("legal sheet, Page Down then Page Up")
        << legal << QList<int> {Qt::Key_PageDown, Qt::Key_PageUp} << "top";
}

void ScreenTest::keysScrollTheLongScreens()
{
    QFETCH(QString, screen);
    QFETCH(QList<int>, keys);
    QFETCH(QString, expected);

    ScreenHarness harness(BatteryMachines::healthyAir(), {1180, 620});
    if (screen == QLatin1String("legalContent"))
        harness.press(QStringLiteral("topBarInfoButton"));
    QQuickItem *view = harness.find(screen);
    QVERIFY(view);
    const qreal end = view->property("contentHeight").toReal() - view->height();
    QVERIFY2(end > 48, "the screen must be long enough to scroll");
    for (int key : keys)
        QTest::keyClick(harness.window(), Qt::Key(key));
    const QMap<QString, qreal> places {{QStringLiteral("top"), 0},
                                       {QStringLiteral("bottom"), end},
                                       {QStringLiteral("line"), 48},
                                       {QStringLiteral("page"), std::min(end, view->height() - 48)}};
    QCOMPARE(view->property("contentY").toReal(), places.value(expected));
}

void ScreenTest::aFocusedCardBelowTheFoldScrollsIntoView()
{
    ScreenHarness harness(BatteryMachines::healthyAir(), {1180, 620});
    QQuickItem *view = harness.find(QStringLiteral("catalogue"));
    QQuickItem *card = harness.find(QStringLiteral("moduleCard_storage"));
    const auto shownWhole = [view, card] {
        const QRectF area = card->mapRectToItem(view, QRectF(0, 0, card->width(), card->height()));
        return area.top() >= 0 && area.bottom() <= view->height();
    };
    QVERIFY(!shownWhole());
    card->forceActiveFocus(Qt::TabFocusReason);
    QVERIFY(shownWhole());
}

QTEST_MAIN(ScreenTest)
#include "ScreenTest.moc"
