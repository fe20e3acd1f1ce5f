#include "ui/CustomerVerdict.h"

#include <QTest>

class CustomerVerdictTest : public QObject
{
    Q_OBJECT

private slots:
    void rawValuesSymbolsAndTints_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QVariant>("verdict");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<Tint>("tint");
        const auto row = [](const char *raw, std::optional<CustomerVerdict> verdict, const char *symbol, Tint tint) {
            QTest::newRow(raw) << QString::fromLatin1(raw) << (verdict ? QVariant::fromValue(*verdict) : QVariant())
                               << QString::fromLatin1(symbol) << tint;
        };
        row("good", CustomerVerdict::Good, "checkmark.circle.fill", Tint::Good);
        row("notice", CustomerVerdict::Notice, "exclamationmark.circle.fill", Tint::Warning);
        row("problem", CustomerVerdict::Problem, "exclamationmark.triangle.fill", Tint::Problem);
        row("unavailable", CustomerVerdict::Unavailable, "questionmark.circle.fill", Tint::Neutral);
        row("Good", std::nullopt, "", Tint::Neutral);
        row("", std::nullopt, "", Tint::Neutral);
    }
    void rawValuesSymbolsAndTints()
    {
        QFETCH(QString, raw);
        QFETCH(QVariant, verdict);
        QFETCH(QString, symbol);
        QFETCH(Tint, tint);
        const std::optional<CustomerVerdict> parsed = customerVerdict(raw);
        QCOMPARE(parsed.has_value(), verdict.isValid());
        if (!parsed)
            return;
        QCOMPARE(*parsed, verdict.value<CustomerVerdict>());
        QCOMPARE(rawValue(*parsed), raw);
        QCOMPARE(verdictSymbol(*parsed), symbol);
        QCOMPARE(verdictTint(*parsed), tint);
    }
};

QTEST_GUILESS_MAIN(CustomerVerdictTest)
#include "CustomerVerdictTest.moc"
