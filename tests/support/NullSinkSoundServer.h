#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// A private sound server for tests that play or record real audio: one stereo
// 48 kHz float sink ("testsink"), its monitor ("testsink.monitor") and, since
// Qt does not list monitors as inputs, a microphone fed by that monitor
// ("testmic"). Everything lives in a temporary folder that is removed with the
// server; the server is killed on destruction.
//
// Clients find it through PULSE_SERVER, which start() sets in this process's
// environment (restored on destruction). Qt's audio connects once, at its
// first use in a process, so start the server before anything touches
// QMediaDevices, QAudioSink or QAudioSource.
class NullSinkSoundServer
{
public:
    NullSinkSoundServer() = default;
    ~NullSinkSoundServer();
    NullSinkSoundServer(const NullSinkSoundServer &) = delete;
    NullSinkSoundServer &operator=(const NullSinkSoundServer &) = delete;

    // Whether the server and the recorder are installed at all.
    static bool available();
    // Starts the server and waits until it answers; false (with errorString())
    // when it does not within five seconds.
    bool start();
    QString errorString() const { return m_error; }

    // The value of PULSE_SERVER for child processes.
    QString address() const;
    static QString sinkName() { return QStringLiteral("testsink"); }
    static QString monitorName() { return QStringLiteral("testsink.monitor"); }
    static QString microphoneName() { return QStringLiteral("testmic"); }

    // Records the sink's monitor as interleaved stereo 32-bit float at 48 kHz
    // until stopped; the recording then holds everything played meanwhile.
    class Recording
    {
    public:
        ~Recording();
        // False when the recorder did not start.
        bool isRecording() const;
        // Stops and returns the samples (left, right, left, right, ...).
        std::vector<float> stop();

    private:
        friend class NullSinkSoundServer;
        QProcess m_process;
        QString m_file;
    };
    std::unique_ptr<Recording> recordMonitor() const;

private:
    void setEnvironment(const char *name, const QByteArray &value);
    void stopServer();

    std::unique_ptr<QTemporaryDir> m_dir;
    QProcess m_server;
    QString m_error;
    struct SavedVariable
    {
        const char *name;
        bool wasSet;
        QByteArray value;
    };
    std::vector<SavedVariable> m_savedEnvironment;
};
