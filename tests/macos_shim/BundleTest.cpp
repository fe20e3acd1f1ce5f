#include "IcnsWriter.h"

#include <QFile>
#include <QImage>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

// The generated Info.plist and the entitlements as macOS reads them: one
// dictionary of keys with string or boolean values. Any other value type, a
// key without a value or a malformed file fails the parse.
namespace {

std::optional<QVariantMap> readPlistDictionary(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QXmlStreamReader xml(&file);
    QVariantMap entries;
    QString key;
    int depth = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"plist" || (name == u"dict" && ++depth == 1))
            continue;
        if (depth != 1)
            return std::nullopt;
        if (name == u"key") {
            key = xml.readElementText();
            continue;
        }
        if (key.isEmpty())
            return std::nullopt;
        if (name == u"string")
            entries.insert(key, xml.readElementText());
        else if (name == u"true" || name == u"false")
            entries.insert(key, name == u"true");
        else
            return std::nullopt;
        key.clear();
    }
    if (xml.hasError() || !key.isEmpty())
        return std::nullopt;
    return entries;
}

} // namespace

class BundleTest : public QObject
{
    Q_OBJECT

private slots:
    void infoPlistCarriesEveryKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("expected");
        // The values the build fills in; the rest of the file is literal.
        QTest::newRow("identifier") << "CFBundleIdentifier" << QVariant("de.quarzlinde.macbook-fehlerdiagnose");
        QTest::newRow("executable") << "CFBundleExecutable" << QVariant("Quarzlinde");
        QTest::newRow("version") << "CFBundleShortVersionString" << QVariant(PROJECT_VERSION);
        QTest::newRow("build") << "CFBundleVersion" << QVariant(PROJECT_VERSION);
        QTest::newRow("minimum system") << "LSMinimumSystemVersion" << QVariant("12.0");
        QTest::newRow("icon") << "CFBundleIconFile" << QVariant("Quarzlinde.icns");
    }
    void infoPlistCarriesEveryKey()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, expected);
        const std::optional<QVariantMap> plist = readPlistDictionary(QStringLiteral(INFO_PLIST));
        QVERIFY(plist);
        QCOMPARE(plist->value(key), expected);
    }

    // Without these macOS ends the app when the camera or microphone opens.
    void usageDescriptionsAreGerman_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("device");
        QTest::newRow("camera") << "NSCameraUsageDescription"
                                << "Kamera";
        QTest::newRow("microphone") << "NSMicrophoneUsageDescription"
                                    << "Mikrofons";
    }
    void usageDescriptionsAreGerman()
    {
        QFETCH(QString, key);
        QFETCH(QString, device);
        const QString text =
            readPlistDictionary(QStringLiteral(INFO_PLIST)).value_or(QVariantMap()).value(key).toString();
        QVERIFY2(text.contains(device) && text.contains(QStringLiteral("prüfen")), qPrintable(text));
    }

    // Camera and microphone, the JIT of the QML engine, and nothing more: no
    // sandbox, so no IOKit exception, and no network.
    void entitlementsAreExactlyTheNeededOnes()
    {
        const std::optional<QVariantMap> entitlements = readPlistDictionary(QStringLiteral(ENTITLEMENTS));
        QVERIFY(entitlements);
        QCOMPARE(*entitlements,
                 (QVariantMap {{"com.apple.security.cs.allow-jit", true},
                               {"com.apple.security.device.audio-input", true},
                               {"com.apple.security.device.camera", true}}));
    }

    void iconHoldsEverySize()
    {
        const QByteArray icns = icnsFromSvg(QStringLiteral(APP_MARK));
        QCOMPARE(icns.left(4), QByteArray("icns"));
        QCOMPARE(qFromBigEndian<quint32>(icns.constData() + 4), quint32(icns.size()));
        QStringList found;
        for (qsizetype at = 8; at + 8 <= icns.size();) {
            const quint32 length = qFromBigEndian<quint32>(icns.constData() + at + 4);
            QVERIFY(length > 8 && at + length <= quint32(icns.size()));
            const QImage image = QImage::fromData(icns.mid(at + 8, length - 8), "PNG");
            found.append(QString::fromLatin1(icns.mid(at, 4)) + u' ' + QString::number(image.width()) + u'x' +
                         QString::number(image.height()));
            at += length;
        }
        QCOMPARE(found,
                 (QStringList {"ic11 32x32", "ic12 64x64", "ic07 128x128", "ic13 256x256", "ic08 256x256",
                               "ic14 512x512", "ic09 512x512", "ic10 1024x1024"}));
        QVERIFY(icnsFromSvg(QStringLiteral("/nonexistent.svg")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(BundleTest)
#include "BundleTest.moc"
