#include "input/InputDiagnosticResult.h"
#include "input/KeyboardLayout.h"
#include "machine/RepairPages.h"

#include <QTest>

Q_DECLARE_METATYPE(MacBookFamily)
Q_DECLARE_METATYPE(TrackpadActions)

namespace {

QSet<quint16> everyKeyBut(std::initializer_list<quint16> missing)
{
    QSet<quint16> codes;
    for (const KeyboardTestKey &key : allTestKeys())
        codes.insert(key.code);
    for (quint16 code : missing)
        codes.remove(code);
    return codes;
}

TrackpadActions actions(bool moved, bool click, bool secondary, bool scrolled, bool magnified)
{
    return {moved, click, secondary, scrolled, magnified};
}

} // namespace

class InputRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void resultCountsLayoutKeysAndActions_data()
    {
        QTest::addColumn<QSet<quint16>>("pressed");
        QTest::addColumn<TrackpadActions>("trackpad");
        QTest::addColumn<MacBookFamily>("family");
        QTest::addColumn<CustomerVerdict>("verdict");
        QTest::addColumn<QStringList>("details");
        QTest::addColumn<int>("missingCount");
        QTest::addColumn<QStringList>("firstMissing");
        QTest::addColumn<QUrl>("keyboardPage");
        QTest::addColumn<QUrl>("trackpadPage");

        const TrackpadActions everything = actions(true, true, true, true, true);
        const QString allActions = QStringLiteral("Trackpad: Bewegung ✓, Klick ✓, Sekundärklick ✓, Scrollen ✓, Zoom ✓");
        QTest::newRow("everything") << everyKeyBut({}) << everything << MacBookFamily::pro << CustomerVerdict::Good
                                    << QStringList {QStringLiteral("Tastatur: 65 von 65 Prüftasten erkannt"),
                                                    allActions}
                                    << 0 << QStringList() << QUrl() << QUrl();
        QTest::newRow("only the secondary click missing")
            << everyKeyBut({}) << actions(true, true, false, true, true) << MacBookFamily::air
            << CustomerVerdict::Notice
            << QStringList {QStringLiteral("Tastatur: 65 von 65 Prüftasten erkannt"),
                            QStringLiteral("Trackpad: Bewegung ✓, Klick ✓, Sekundärklick –, Scrollen ✓, Zoom ✓")}
            << 0 << QStringList() << QUrl() << RepairPages::generalTrackpad();
        QTest::newRow("left shift and right command; F1 counts for nothing")
            << QSet<quint16> {56, 54, 122} << everything << MacBookFamily::air << CustomerVerdict::Notice
            << QStringList {QStringLiteral("Tastatur: 2 von 65 Prüftasten erkannt"), allActions} << 63
            << QStringList {QStringLiteral("esc"), QStringLiteral("^")}
            << sitePage("/macbook-air-tastatur-topcase-reparatur/") << QUrl();
        QTest::newRow("12-inch, keys and clicks missing")
            << everyKeyBut({53, 124}) << actions(true, false, false, true, true) << MacBookFamily::twelveInch
            << CustomerVerdict::Notice
            << QStringList {QStringLiteral("Tastatur: 63 von 65 Prüftasten erkannt"),
                            QStringLiteral("Trackpad: Bewegung ✓, Klick –, Sekundärklick –, Scrollen ✓, Zoom ✓")}
            << 2 << QStringList {QStringLiteral("esc"), QStringLiteral("→")}
            << sitePage("/macbook-12-tastatur-topcase-reparatur/") << sitePage("/macbook-12-zoll-trackpad-reparatur/");
        QTest::newRow("nothing, family unknown")
            << QSet<quint16>() << TrackpadActions() << MacBookFamily::unsupported << CustomerVerdict::Notice
            << QStringList {QStringLiteral("Tastatur: 0 von 65 Prüftasten erkannt"),
                            QStringLiteral("Trackpad: Bewegung –, Klick –, Sekundärklick –, Scrollen –, Zoom –")}
            << 65 << QStringList {QStringLiteral("esc"), QStringLiteral("^")} << RepairPages::generalKeyboard()
            << RepairPages::generalTrackpad();
    }

    void resultCountsLayoutKeysAndActions()
    {
        QFETCH(QSet<quint16>, pressed);
        QFETCH(TrackpadActions, trackpad);
        QFETCH(MacBookFamily, family);
        QFETCH(CustomerVerdict, verdict);
        QFETCH(QStringList, details);
        QFETCH(int, missingCount);
        QFETCH(QStringList, firstMissing);
        QFETCH(QUrl, keyboardPage);
        QFETCH(QUrl, trackpadPage);

        const InputDiagnosticResult result = inputResult(pressed, trackpad, family);
        QCOMPARE(result.verdict(), verdict);
        QCOMPARE(result.details(), details);
        QCOMPARE(result.missingKeys.size(), missingCount);
        QCOMPARE(result.missingKeys.mid(0, 2), firstMissing);
        QCOMPARE(result.pressedCount + result.missingKeys.size(), result.expectedCount);
        QCOMPARE(result.keyboardRepairPage(), keyboardPage);
        QCOMPARE(result.trackpadRepairPage(), trackpadPage);
        QCOMPARE(result.title(),
                 verdict == CustomerVerdict::Good ? QStringLiteral("Eingaben unauffällig")
                                                  : QStringLiteral("Nicht alle Eingaben bestätigt"));
    }
};

QTEST_MAIN(InputRulesTest)
#include "InputRulesTest.moc"
