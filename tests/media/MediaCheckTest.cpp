#include "media/MediaDiagnosticResult.h"
#include "platform/media/MicrophoneLevel.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

QAudioFormat audioFormat(QAudioFormat::SampleFormat sampleFormat, int channels)
{
    QAudioFormat format;
    format.setSampleRate(48000);
    format.setChannelCount(channels);
    format.setSampleFormat(sampleFormat);
    return format;
}

template<typename Sample>
void append(QByteArray &bytes, Sample sample)
{
    bytes.append(reinterpret_cast<const char *>(&sample), sizeof sample);
}

// Frames of the given normalised values (-1 … 1) in the format's encoding.
QByteArray encoded(const QAudioFormat &format, int frames, const std::function<double(int, int)> &value)
{
    QByteArray bytes;
    for (int frame = 0; frame < frames; ++frame) {
        for (int channel = 0; channel < format.channelCount(); ++channel) {
            const double x = value(frame, channel);
            switch (format.sampleFormat()) {
            case QAudioFormat::UInt8: append(bytes, quint8(std::lround(128 + x * 127))); break;
            case QAudioFormat::Int16: append(bytes, qint16(std::lround(x * 32767))); break;
            case QAudioFormat::Int32: append(bytes, qint32(std::llround(x * 2147483647.0))); break;
            default: append(bytes, float(x)); break;
            }
        }
    }
    return bytes;
}

double sine(int frame, double amplitude)
{
    return amplitude * std::sin(2 * std::numbers::pi * 1000 * frame / 48000.0);
}

} // namespace

class MediaCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void levelOfABuffer_data()
    {
        QTest::addColumn<QAudioFormat>("format");
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<double>("level");

        // The second channel is loud throughout: only the first may count.
        const auto firstChannel = [](std::function<double(int)> first) {
            return [first](int frame, int channel) { return channel == 0 ? first(frame) : 0.9; };
        };
        const auto fullScale = firstChannel([](int frame) { return sine(frame, 1.0); });
        const auto rms005 = firstChannel([](int frame) { return frame % 2 ? 0.05 : -0.05; });
        const auto silence = firstChannel([](int) { return 0.0; });
        const auto whisper = firstChannel([](int frame) { return sine(frame, 0.02); });
        for (const auto sampleFormat : {QAudioFormat::Float, QAudioFormat::Int16, QAudioFormat::Int32}) {
            const QAudioFormat format = audioFormat(sampleFormat, 2);
            const QByteArray name = QVariant::fromValue(sampleFormat).toByteArray();
            QTest::newRow(name + ", full-scale sine") << format << encoded(format, 1024, fullScale) << 1.0;
            QTest::newRow(name + ", rms 0.05") << format << encoded(format, 1024, rms005) << 0.6;
            QTest::newRow(name + ", quiet sine")
                << format << encoded(format, 1024, whisper) << 0.02 / std::numbers::sqrt2 * 12;
        }
        const QAudioFormat mono8 = audioFormat(QAudioFormat::UInt8, 1);
        QTest::newRow("UInt8 mono, silence") << mono8 << encoded(mono8, 512, silence) << 0.0;
        QTest::newRow("UInt8 mono, full-scale sine") << mono8 << encoded(mono8, 512, fullScale) << 1.0;
        // A stray half frame at the end is not part of any frame.
        const QAudioFormat stereo = audioFormat(QAudioFormat::Float, 2);
        QTest::newRow("trailing half frame") << stereo << encoded(stereo, 64, rms005) + QByteArray(4, '\x7f') << 0.6;
    }

    void levelOfABuffer()
    {
        QFETCH(QAudioFormat, format);
        QFETCH(QByteArray, buffer);
        QFETCH(double, level);

        const std::optional<double> measured = microphoneLevel(format, buffer);
        QVERIFY(measured);
        // An integer sample is off by up to half a step.
        QVERIFY2(std::abs(*measured - level) < 2e-3, qPrintable(QString::number(*measured)));
    }

    void noLevelWithoutAWholeFrame_data()
    {
        QTest::addColumn<QAudioFormat>("format");
        QTest::addColumn<QByteArray>("buffer");

        QTest::newRow("empty buffer") << audioFormat(QAudioFormat::Float, 1) << QByteArray();
        QTest::newRow("half a stereo frame") << audioFormat(QAudioFormat::Float, 2) << QByteArray(4, '\0');
        QTest::newRow("unknown sample format") << audioFormat(QAudioFormat::Unknown, 1) << QByteArray(64, '\0');
    }

    void noLevelWithoutAWholeFrame()
    {
        QFETCH(QAudioFormat, format);
        QFETCH(QByteArray, buffer);
        QCOMPARE(microphoneLevel(format, buffer), std::nullopt);
    }

    void verdictFromTheAnswers_data()
    {
        QTest::addColumn<bool>("cameraOK");
        QTest::addColumn<bool>("microphoneOK");
        QTest::addColumn<CustomerVerdict>("verdict");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("details");

        const QString problem = QStringLiteral("Kamera oder Mikrofon auffällig");
        QTest::newRow("both confirmed") << true << true << CustomerVerdict::Good
                                        << QStringLiteral("Kamera & Mikrofon unauffällig")
                                        << QStringList {"Kamera: in Ordnung", "Mikrofon: in Ordnung"};
        QTest::newRow("microphone doubted") << true << false << CustomerVerdict::Problem << problem
                                            << QStringList {"Kamera: in Ordnung", "Mikrofon: auffällig"};
        QTest::newRow("camera doubted") << false << true << CustomerVerdict::Problem << problem
                                        << QStringList {"Kamera: auffällig", "Mikrofon: in Ordnung"};
    }

    void verdictFromTheAnswers()
    {
        QFETCH(bool, cameraOK);
        QFETCH(bool, microphoneOK);
        QFETCH(CustomerVerdict, verdict);
        QFETCH(QString, title);
        QFETCH(QStringList, details);

        const MediaDiagnosticResult result = mediaDiagnosticResult(cameraOK, microphoneOK);
        QCOMPARE(result.verdict, verdict);
        QCOMPARE(result.title, title);
        QCOMPARE(result.details, details);
        QCOMPARE(result.diagnosisRecommended(), verdict == CustomerVerdict::Problem);
    }
};

QTEST_GUILESS_MAIN(MediaCheckTest)
#include "MediaCheckTest.moc"
