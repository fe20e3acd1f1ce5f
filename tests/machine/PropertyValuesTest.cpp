#include "platform/values/PropertyValues.h"
#include "machine/JsonKeySearch.h"
#include "platform/values/TextFolding.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>
#include <limits>

using OptionalInteger = std::optional<qint64>;
using OptionalText = std::optional<QString>;
using OptionalBoolean = std::optional<bool>;
using OptionalDouble = std::optional<double>;

class PropertyValuesTest : public QObject
{
    Q_OBJECT

private slots:
    void integers_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<OptionalInteger>("expected");
        QTest::newRow("int") << QVariant(4382) << OptionalInteger(4382);
        QTest::newRow("negative 64-bit") << QVariant(qint64(-536854518)) << OptionalInteger(-536854518);
        QTest::newRow("unsigned beyond signed range")
            << QVariant(std::numeric_limits<quint64>::max()) << OptionalInteger();
        QTest::newRow("double drops fraction") << QVariant(83.7) << OptionalInteger(83);
        QTest::newRow("NaN") << QVariant(std::nan("")) << OptionalInteger();
        QTest::newRow("infinity") << QVariant(std::numeric_limits<double>::infinity()) << OptionalInteger();
        QTest::newRow("thousands separator reads as decimal") << QVariant("1.234") << OptionalInteger(1);
        QTest::newRow("decimal comma rounds half away") << QVariant("1,5") << OptionalInteger(2);
        QTest::newRow("negative half") << QVariant("-2,5") << OptionalInteger(-3);
        QTest::newRow("percent sign") << QVariant("87%") << OptionalInteger(87);
        QTest::newRow("non-breaking space") << QVariant(QStringLiteral("100\u00a0%")) << OptionalInteger(100);
        QTest::newRow("unit") << QVariant("4.382 mAh") << OptionalInteger(4);
        QTest::newRow("no digits") << QVariant("Normal") << OptionalInteger();
        QTest::newRow("empty text") << QVariant("") << OptionalInteger();
        QTest::newRow("two points") << QVariant("1.2.3") << OptionalInteger();
        QTest::newRow("boolean is no number") << QVariant(true) << OptionalInteger();
        QTest::newRow("data is no number") << QVariant(QByteArray("42")) << OptionalInteger();
        QTest::newRow("list") << QVariant(QVariantList {1}) << OptionalInteger();
        QTest::newRow("exponent letters are dropped") << QVariant("1e400") << OptionalInteger(1400);
    }
    void integers()
    {
        QFETCH(QVariant, value);
        QFETCH(OptionalInteger, expected);
        QCOMPARE(propertyInteger(value), expected);
    }

    void doubles_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<OptionalDouble>("expected");
        QTest::newRow("percent text") << QVariant("91%") << OptionalDouble(91.0);
        QTest::newRow("comma text") << QVariant("96,3 %") << OptionalDouble(96.3);
        QTest::newRow("integer") << QVariant(qint64(87)) << OptionalDouble(87.0);
        QTest::newRow("text without number") << QVariant("n/a") << OptionalDouble();
        QTest::newRow("boolean") << QVariant(false) << OptionalDouble();
    }
    void doubles()
    {
        QFETCH(QVariant, value);
        QFETCH(OptionalDouble, expected);
        QCOMPARE(propertyDouble(value), expected);
    }

    void texts_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<OptionalText>("expected");
        QTest::newRow("text") << QVariant("bq40z651") << OptionalText("bq40z651");
        QTest::newRow("integer") << QVariant(120) << OptionalText("120");
        QTest::newRow("double") << QVariant(0.1) << OptionalText("0.1");
        QTest::newRow("data with control characters")
            << QVariant(QByteArray("\x01\x02Normal\n\0", 10)) << OptionalText("Normal");
        QTest::newRow("data not UTF-8") << QVariant(QByteArray("\xff\xfe\xfd")) << OptionalText();
        QTest::newRow("boolean") << QVariant(true) << OptionalText();
        QTest::newRow("dictionary") << QVariant(QVariantMap {{"a", 1}}) << OptionalText();
    }
    void texts()
    {
        QFETCH(QVariant, value);
        QFETCH(OptionalText, expected);
        QCOMPARE(propertyText(value), expected);
    }

    void booleans_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<OptionalBoolean>("expected");
        QTest::newRow("bool") << QVariant(true) << OptionalBoolean(true);
        QTest::newRow("tool TRUE") << QVariant("TRUE") << OptionalBoolean(true);
        QTest::newRow("Ja") << QVariant("Ja") << OptionalBoolean(true);
        QTest::newRow("text 0") << QVariant("0") << OptionalBoolean(false);
        QTest::newRow("Nein") << QVariant("nein") << OptionalBoolean(false);
        QTest::newRow("number") << QVariant(2) << OptionalBoolean(true);
        QTest::newRow("zero") << QVariant(0) << OptionalBoolean(false);
        QTest::newRow("other text") << QVariant("maybe") << OptionalBoolean();
        QTest::newRow("padded text") << QVariant(" yes") << OptionalBoolean();
        QTest::newRow("data") << QVariant(QByteArray("yes")) << OptionalBoolean();
    }
    void booleans()
    {
        QFETCH(QVariant, value);
        QFETCH(OptionalBoolean, expected);
        QCOMPARE(propertyBoolean(value), expected);
    }

    void foldsCaseAndDiacritics_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("upper") << "Service Recommended"
                               << "service recommended";
        QTest::newRow("umlauts") << "Überprüfen"
                                 << "uberprufen";
        QTest::newRow("accents") << "DÉFEKT"
                                 << "defekt";
    }
    void foldsCaseAndDiacritics()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QCOMPARE(foldedForComparison(text), folded);
    }

    void searchesJsonDepthFirst()
    {
        const QJsonDocument document = QJsonDocument::fromJson(R"({
            "SPHardwareDataType": [{"machine_name": "MacBook Air", "nested": {"deeper": 1}}],
            "SPPowerDataType": [{"_name": "x"}, {"info": {"sppower_battery_cycle_count": 120}}],
            "list": [[{"sppower_battery_cycle_count": 999}]]
        })");
        const QJsonValue root(document.object());
        QCOMPARE(findJsonValue(root, {"machine_name"})->toString(), QStringLiteral("MacBook Air"));
        QVERIFY(!findJsonValue(root, {"absent"}));
        QVERIFY(!findJsonValue(QJsonValue(42), {"machine_name"}));
        // Arrays are searched element by element, objects before their children.
        const QJsonDocument arrayFirst = QJsonDocument::fromJson(R"([{"a": {"k": 1}}, {"k": 2}])");
        QCOMPARE(findJsonValue(QJsonValue(arrayFirst.array()), {"k"})->toInt(), 1);
        const QJsonDocument ownKeyFirst = QJsonDocument::fromJson(R"({"a": {"k": 1}, "k": 2})");
        QCOMPARE(findJsonValue(QJsonValue(ownKeyFirst.object()), {"k"})->toInt(), 2);
    }
};

QTEST_GUILESS_MAIN(PropertyValuesTest)
#include "PropertyValuesTest.moc"
