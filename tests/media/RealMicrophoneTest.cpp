// The real microphone path, fed by a private null sink: a tone played into
// the sink comes back through the sink's monitor as a microphone.
#include "platform/MediaCapture.h"
#include "platform/Platform.h"
#include "support/NullSinkSoundServer.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace std::chrono_literals;

namespace {

// A 440 Hz tone on the left channel only, which the level is taken from.
QByteArray leftTone(double amplitude, std::chrono::milliseconds length)
{
    const int frames = int(48 * length.count());
    QByteArray bytes(frames * 2 * qsizetype(sizeof(float)), Qt::Uninitialized);
    auto *samples = reinterpret_cast<float *>(bytes.data());
    for (int frame = 0; frame < frames; ++frame) {
        samples[2 * frame] = float(amplitude * std::sin(2 * std::numbers::pi * 440 * frame / 48000.0));
        samples[2 * frame + 1] = 0.0f;
    }
    return bytes;
}

double highest(const QSignalSpy &levels)
{
    double high = 0.0;
    for (const QList<QVariant> &level : levels)
        high = std::max(high, level.constFirst().toDouble());
    return high;
}

} // namespace

class RealMicrophoneTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!NullSinkSoundServer::available())
            QSKIP("no sound server installed (scripts/setup installs it)");
        // Before anything asks Qt for audio devices: Qt looks for the server only once.
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    }

    void levelFollowsATonePlayedIntoTheSink()
    {
        const std::unique_ptr<MediaCapture> capture = openDefaultMediaCapture();
        QSignalSpy levels(capture.get(), &MediaCapture::levelMeasured);
        QSignalSpy failures(capture.get(), &MediaCapture::microphoneFailed);
        capture->startMicrophone();

        QTRY_VERIFY_WITH_TIMEOUT(levels.count() >= 10, 5000);
        QCOMPARE(failures.count(), 0);
        QVERIFY2(highest(levels) < 0.02, qPrintable(QString::number(highest(levels))));

        // RMS 0.05 / √2 × 12 ≈ 0.42.
        QAudioFormat format;
        format.setSampleRate(48000);
        format.setChannelCount(2);
        format.setSampleFormat(QAudioFormat::Float);
        QAudioSink speaker(QMediaDevices::defaultAudioOutput(), format);
        QIODevice *output = speaker.start();
        QVERIFY(output);
        levels.clear();
        QCOMPARE(output->write(leftTone(0.05, 1500ms)), 1500 * 48 * 2 * qsizetype(sizeof(float)));
        QTRY_VERIFY_WITH_TIMEOUT(highest(levels) > 0.3, 3000);
        QVERIFY2(highest(levels) < 0.5, qPrintable(QString::number(highest(levels))));

        // Once stopped, the microphone is closed and reports nothing more.
        capture->stop();
        QTest::qWait(200);
        levels.clear();
        QTest::qWait(300);
        QCOMPARE(levels.count(), 0);
        speaker.stop();
    }

private:
    NullSinkSoundServer m_server;
};

QTEST_MAIN(RealMicrophoneTest)
#include "RealMicrophoneTest.moc"
