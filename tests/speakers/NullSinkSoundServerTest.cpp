#include "support/NullSinkSoundServer.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <cmath>
#include <numbers>

// The private sound server that the audio tests play into.
class NullSinkSoundServerTest : public QObject
{
    Q_OBJECT

private slots:
    void playedToneReachesTheMonitorAndNothingIsLeft()
    {
        if (!NullSinkSoundServer::available())
            QSKIP("pulseaudio is not installed");
        const QByteArray serverBefore = qgetenv("PULSE_SERVER");
        QString folder;
        {
            NullSinkSoundServer server;
            QVERIFY2(server.start(), qPrintable(server.errorString()));
            QCOMPARE(qgetenv("PULSE_SERVER"), server.address().toLocal8Bit());
            folder = server.address().mid(5).section(QLatin1Char('/'), 0, -2);
            QVERIFY(QDir(folder).exists());

            // 0.2 s of 1 kHz at half scale on the right channel only.
            QByteArray tone;
            for (int k = 0; k < 9600; ++k) {
                const float frame[2] = {0.0f, float(0.5 * std::sin(2 * std::numbers::pi * 1000 * k / 48000.0))};
                tone.append(reinterpret_cast<const char *>(frame), sizeof frame);
            }
            const auto recording = server.recordMonitor();
            QVERIFY(recording->isRecording());
            QProcess player;
            player.start(QStringLiteral("pacat"),
                         {QStringLiteral("--raw"), QStringLiteral("--format=float32le"), QStringLiteral("--rate=48000"),
                          QStringLiteral("--channels=2"), QStringLiteral("-d"), NullSinkSoundServer::sinkName()});
            QVERIFY(player.waitForStarted());
            player.write(tone);
            player.closeWriteChannel();
            QVERIFY(player.waitForFinished(5000));
            const std::vector<float> samples = recording->stop();

            float left = 0;
            float right = 0;
            for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
                left = std::max(left, std::abs(samples[i]));
                right = std::max(right, std::abs(samples[i + 1]));
            }
            QCOMPARE(left, 0.0f);
            QVERIFY2(std::abs(right - 0.5f) < 0.01f, qPrintable(QString::number(right)));
        }
        QVERIFY(!QDir(folder).exists());
        QCOMPARE(qgetenv("PULSE_SERVER"), serverBefore);
    }
};

QTEST_GUILESS_MAIN(NullSinkSoundServerTest)
#include "NullSinkSoundServerTest.moc"
