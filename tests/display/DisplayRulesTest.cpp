#include "display/DisplayPattern.h"
#include "display/DisplayResult.h"
#include "machine/RepairPages.h"

#include <QTest>

Q_DECLARE_METATYPE(MacBookFamily)

class DisplayRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void verdictFollowsTheAnswers_data();
    void verdictFollowsTheAnswers();
};

void DisplayRulesTest::verdictFollowsTheAnswers_data()
{
    QTest::addColumn<QStringList>("issues");
    QTest::addColumn<MacBookFamily>("family");
    QTest::addColumn<CustomerVerdict>("verdict");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QUrl>("repairPage");

    QStringList everyName;
    for (DisplayPattern pattern : allDisplayPatterns)
        everyName << patternName(pattern);

    QTest::newRow("nothing reported") << QStringList() << MacBookFamily::pro << CustomerVerdict::Good
                                      << QStringLiteral("Alle 7 Testbilder wurden ohne gemeldete Auffälligkeit "
                                                        "abgeschlossen.")
                                      << QUrl();
    QTest::newRow("white and grey, Pro") << QStringList {QStringLiteral("Weiß"), QStringLiteral("Grau")}
                                         << MacBookFamily::pro << CustomerVerdict::Problem
                                         << QStringLiteral("Auffällig bei: Weiß, Grau")
                                         << sitePage("/macbook-pro-display-reparatur/");
    QTest::newRow("all seven, Air") << everyName << MacBookFamily::air << CustomerVerdict::Problem
                                    << QStringLiteral("Auffällig bei: Weiß, Schwarz, Rot, Grün, Blau, Grau, "
                                                      "Farbverlauf")
                                    << sitePage("/macbook-air-display-reparatur/");
    QTest::newRow("Neo") << QStringList {QStringLiteral("Rot")} << MacBookFamily::neo << CustomerVerdict::Problem
                         << QStringLiteral("Auffällig bei: Rot") << sitePage("/macbook-neo-display-reparatur/");
    for (MacBookFamily family : {MacBookFamily::twelveInch, MacBookFamily::macBook, MacBookFamily::unsupported}) {
        QTest::addRow("general page for %s", qPrintable(rawValue(family)))
            << QStringList {QStringLiteral("Blau")} << family << CustomerVerdict::Problem
            << QStringLiteral("Auffällig bei: Blau") << sitePage("/macbook-display-reparatur/");
    }
}

void DisplayRulesTest::verdictFollowsTheAnswers()
{
    QFETCH(QStringList, issues);
    QFETCH(MacBookFamily, family);
    QFETCH(CustomerVerdict, verdict);
    QFETCH(QString, detail);
    QFETCH(QUrl, repairPage);

    const DisplayResult result = displayResult(issues, family);
    QCOMPARE(result.verdict, verdict);
    QCOMPARE(result.details, QStringList {detail});
    QCOMPARE(result.repairPage, repairPage);
    QCOMPARE(result.title,
             verdict == CustomerVerdict::Good ? QStringLiteral("Keine Auffälligkeit erkannt")
                                              : QStringLiteral("Display auffällig"));
}

QTEST_GUILESS_MAIN(DisplayRulesTest)
#include "DisplayRulesTest.moc"
