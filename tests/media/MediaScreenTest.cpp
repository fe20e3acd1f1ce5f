#include "machine/RepairPages.h"
#include "media/MediaDiagnosticViewModel.h"
#include "support/BatteryMachines.h"
#include "support/qml/AddressCatcher.h"
#include "support/qml/ScreenHarness.h"

#include <QGuiApplication>
#include <QTest>

using namespace std::chrono_literals;

namespace {

SimulatedMachine machineWith(SimulatedMediaDevices devices)
{
    SimulatedMachine machine = BatteryMachines::healthyAir();
    machine.media = std::move(devices);
    return machine;
}

MediaDiagnosticViewModel &mediaFlow(ScreenHarness &harness)
{
    return *qobject_cast<MediaDiagnosticViewModel *>(harness.shell().mediaModel());
}

FakeMediaCapture &devices(ScreenHarness &harness)
{
    return *mediaFlow(harness).findChild<FakeMediaCapture *>();
}

void openTest(ScreenHarness &harness)
{
    harness.press(QStringLiteral("moduleCard_media"));
    harness.advance(400ms);
}

QStringList headerTexts(ScreenHarness &harness)
{
    return {harness.text(QStringLiteral("headerEyebrow")), harness.text(QStringLiteral("headerTitle")),
            harness.text(QStringLiteral("headerSubtitle"))};
}

} // namespace

class MediaScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void startSection()
    {
        ScreenHarness harness(machineWith({}));
        openTest(harness);
        mediaFlow(harness).reset();
        harness.advance(400ms);
        QCOMPARE(headerTexts(harness),
                 (QStringList {"KAMERA & MIKROFON", "Bild & Tonaufnahme prüfen",
                               "Du siehst direkt das Kamerabild und einen Mikrofonpegel. Die App bewertet nur, ob "
                               "die Geräte erreichbar sind – die Bild- und Tonqualität bestätigst du selbst."}));
        QCOMPARE(harness.find(QStringLiteral("moduleStartButton"))->property("title").toString(),
                 QStringLiteral("Kamera & Mikrofon testen"));
        harness.press(QStringLiteral("moduleStartButton"));
        QCOMPARE(mediaFlow(harness).phase(), MediaDiagnosticViewModel::Phase::testing);
    }

    void testingShowsWhatTheDevicesAllow_data()
    {
        QTest::addColumn<SimulatedMediaDevices>("devices");
        QTest::addColumn<QString>("placeholder");
        QTest::addColumn<QString>("hint");

        const QString speak = QStringLiteral("Sprich – der Balken sollte sich bewegen.");
        QTest::newRow("camera and microphone") << SimulatedMediaDevices {.camera = true} << QString() << speak;
        QTest::newRow("no camera") << SimulatedMediaDevices {} << QStringLiteral("Keine Kamera erkannt") << speak;
        QTest::newRow("camera refused") << SimulatedMediaDevices {.camera = true, .cameraAllowed = false}
                                        << QStringLiteral("Kamerazugriff nicht erlaubt") << speak;
        QTest::newRow("microphone refused") << SimulatedMediaDevices {.camera = true, .microphoneAllowed = false}
                                            << QString() << QStringLiteral("Mikrofonzugriff nicht erlaubt");
        QTest::newRow("microphone failed")
            << SimulatedMediaDevices {.microphoneFailure = QStringLiteral("Das Audiogerät ließ sich nicht öffnen.")}
            << QStringLiteral("Keine Kamera erkannt")
            << QStringLiteral("Das Mikrofon konnte nicht gestartet werden: Das Audiogerät ließ sich nicht öffnen.");
    }

    void testingShowsWhatTheDevicesAllow()
    {
        QFETCH(SimulatedMediaDevices, devices);
        QFETCH(QString, placeholder);
        QFETCH(QString, hint);

        ScreenHarness harness(machineWith(devices));
        openTest(harness);
        QCOMPARE(harness.shell().currentStep(), 2);
        QCOMPARE(headerTexts(harness),
                 (QStringList {"TEST LÄUFT", "Kamera und Mikrofon prüfen",
                               "Sprich kurz in Richtung MacBook und kontrolliere, ob das Livebild normal aussieht."}));
        QCOMPARE(harness.isShown(QStringLiteral("cameraPreview")), placeholder.isEmpty());
        QCOMPARE(harness.isShown(QStringLiteral("cameraPlaceholder")), !placeholder.isEmpty());
        if (!placeholder.isEmpty())
            QCOMPARE(harness.text(QStringLiteral("cameraPlaceholderText")), placeholder);
        QCOMPARE(harness.text(QStringLiteral("microphoneHint")), hint);
        // Answers stay possible whatever the devices allow.
        for (const char *answer :
             {"cameraGoodAnswer", "cameraBadAnswer", "microphoneGoodAnswer", "microphoneBadAnswer"})
            QVERIFY2(harness.isShown(QString::fromLatin1(answer)), answer);
    }

    void levelBarFollowsTheMicrophone()
    {
        ScreenHarness harness(machineWith({}));
        openTest(harness);
        const QQuickItem *bar = harness.find(QStringLiteral("microphoneLevelBar"));
        const double track = bar->parentItem()->width();
        QVERIFY(track > 100);
        QCOMPARE(bar->width(), 4.0);
        emit devices(harness).levelMeasured(0.5);
        QCOMPARE(bar->width(), track * 0.5);
        emit devices(harness).levelMeasured(1.0);
        QCOMPARE(bar->width(), track);
    }

    // The texts themselves are the rules' (media_check); here, that the screen shows them.
    void answersLeadToTheResult_data()
    {
        QTest::addColumn<bool>("cameraOK");
        QTest::addColumn<bool>("microphoneOK");
        QTest::newRow("both fine") << true << true;
        QTest::newRow("microphone doubted") << true << false;
    }

    void answersLeadToTheResult()
    {
        QFETCH(bool, cameraOK);
        QFETCH(bool, microphoneOK);

        AddressCatcher browser;
        ScreenHarness harness(machineWith({.camera = true}));
        openTest(harness);
        const QString camera = QString::fromLatin1(cameraOK ? "cameraGoodAnswer" : "cameraBadAnswer");
        harness.press(camera);
        QVERIFY(harness.find(camera)->property("chosen").toBool());
        harness.press(QString::fromLatin1(microphoneOK ? "microphoneGoodAnswer" : "microphoneBadAnswer"));
        harness.advance(400ms);

        QCOMPARE(harness.shell().currentStep(), 4);
        QCOMPARE(headerTexts(harness),
                 (QStringList {"ERGEBNIS", "Kamera & Mikrofon",
                               "Das Ergebnis kombiniert Geräteerkennung und deine eigene Sicht-/Hörprüfung."}));
        QCOMPARE(harness.text(QStringLiteral("resultCardTitle")), mediaFlow(harness).result().title);
        QCOMPARE(harness.texts(QStringLiteral("resultCardDetail")), mediaFlow(harness).result().details);
        const bool problem = !(cameraOK && microphoneOK);
        QCOMPARE(harness.isShown(QStringLiteral("mediaDiagnosisLink")), problem);
        if (problem) {
            harness.press(QStringLiteral("mediaDiagnosisLink"));
            QCOMPARE(browser.opened, QList<QUrl> {RepairPages::diagnosisEstimate()});
        }

        devices(harness).log.clear();
        harness.press(QStringLiteral("moduleBackButton"));
        QCOMPARE(harness.shell().routeName(), QStringLiteral("selection"));
        QCOMPARE(devices(harness).log, QStringList {"stopped"});
    }

    // Needs a window system that draws video; the offscreen one does not.
    void cameraPictureIsShown()
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QSKIP("video is drawn only on a real window system (the media_camera test runs this under Xvfb)");
        ScreenHarness harness(machineWith({.camera = true}));
        openTest(harness);
        QVERIFY(devices(harness).preview);
        QImage picture(320, 240, QImage::Format_RGB32);
        picture.fill(QColor(200, 40, 160));
        devices(harness).showFrame(picture);
        harness.advance(200ms);

        const QQuickItem *preview = harness.find(QStringLiteral("cameraPreview"));
        const QPointF centre = preview->mapToScene({preview->width() / 2, preview->height() / 2});
        const QColor shown = harness.grab().pixelColor(centre.toPoint());
        QVERIFY2(qAbs(shown.red() - 200) < 12 && qAbs(shown.green() - 40) < 12 && qAbs(shown.blue() - 160) < 12,
                 qPrintable(shown.name()));
    }
};

QTEST_MAIN(MediaScreenTest)
#include "MediaScreenTest.moc"
