#include "support/NullSinkSoundServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <cstring>

namespace {

QString program(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

bool answers()
{
    QProcess info;
    info.start(program("pactl"), {QStringLiteral("info")});
    return info.waitForFinished(2000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0;
}

void interrupt(QProcess &process)
{
    if (process.state() != QProcess::NotRunning)
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
}

void end(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

} // namespace

NullSinkSoundServer::~NullSinkSoundServer()
{
    stopServer();
    // Restored in reverse, so a variable set twice ends as it was at first.
    for (auto saved = m_savedEnvironment.rbegin(); saved != m_savedEnvironment.rend(); ++saved) {
        if (saved->wasSet)
            qputenv(saved->name, saved->value);
        else
            qunsetenv(saved->name);
    }
}

bool NullSinkSoundServer::available()
{
    return !program("pulseaudio").isEmpty() && !program("pactl").isEmpty() && !program("parec").isEmpty();
}

void NullSinkSoundServer::setEnvironment(const char *name, const QByteArray &value)
{
    m_savedEnvironment.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    qputenv(name, value);
}

QString NullSinkSoundServer::address() const
{
    return m_dir ? QStringLiteral("unix:") + m_dir->filePath(QStringLiteral("native")) : QString();
}

bool NullSinkSoundServer::start()
{
    if (!available()) {
        m_error = QStringLiteral("pulseaudio, pactl or parec is not installed");
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid()) {
        m_error = QStringLiteral("no temporary folder: ") + m_dir->errorString();
        return false;
    }
    QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString dir = m_dir->path();

    // The clients of this process (Qt, pactl, parec) must keep their cookie
    // and configuration in the folder too, or they leave them in the home.
    setEnvironment("PULSE_SERVER", address().toLocal8Bit());
    setEnvironment("XDG_CONFIG_HOME", (dir + QStringLiteral("/config")).toLocal8Bit());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
    environment.insert(QStringLiteral("PULSE_STATE_PATH"), dir + QStringLiteral("/state"));
    m_server.setProcessEnvironment(environment);
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.setStandardOutputFile(dir + QStringLiteral("/server.out"));
    // No default script (-n), so nothing but these modules exists. Without
    // norewinds the monitor loses the start and end of what was played.
    m_server.start(program("pulseaudio"),
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-target=file:") + dir + "/server.log",
                    QStringLiteral("--log-level=info"),
                    QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + dir + "/native",
                    QStringLiteral("--load=module-null-sink sink_name=testsink rate=48000 format=float32le channels=2 "
                                   "norewinds=1 sink_properties=device.description=TestSink"),
                    QStringLiteral("--load=module-remap-source source_name=testmic master=testsink.monitor "
                                   "source_properties=device.description=TestMic")});
    if (!m_server.waitForStarted(5000)) {
        m_error = QStringLiteral("pulseaudio did not start: ") + m_server.errorString();
        return false;
    }
    const QDeadlineTimer deadline(5000);
    while (!answers()) {
        if (deadline.hasExpired() || m_server.state() == QProcess::NotRunning) {
            m_error = QStringLiteral("pulseaudio does not answer");
            stopServer();
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

void NullSinkSoundServer::stopServer()
{
    end(m_server);
    m_dir.reset();
}

std::unique_ptr<NullSinkSoundServer::Recording> NullSinkSoundServer::recordMonitor() const
{
    auto recording = std::make_unique<Recording>();
    if (!m_dir)
        return recording;
    static int count = 0;
    recording->m_file = m_dir->filePath(QStringLiteral("monitor-%1.raw").arg(++count));
    recording->m_process.setStandardOutputFile(recording->m_file);
    recording->m_process.start(program("parec"),
                               {QStringLiteral("-d"), monitorName(), QStringLiteral("--raw"),
                                QStringLiteral("--format=float32le"), QStringLiteral("--rate=48000"),
                                QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=20")});
    if (!recording->m_process.waitForStarted(5000))
        return recording;
    // The monitor runs even while nothing plays: the first bytes tell that the
    // recorder is connected.
    const QDeadlineTimer deadline(5000);
    while (QFileInfo(recording->m_file).size() == 0 && !deadline.hasExpired() &&
           recording->m_process.state() == QProcess::Running)
        QThread::msleep(10);
    return recording;
}

NullSinkSoundServer::Recording::~Recording()
{
    end(m_process);
}

bool NullSinkSoundServer::Recording::isRecording() const
{
    return m_process.state() == QProcess::Running && QFileInfo(m_file).size() > 0;
}

std::vector<float> NullSinkSoundServer::Recording::stop()
{
    // parec writes out what it holds when interrupted; a plain kill loses it.
    interrupt(m_process);
    if (!m_process.waitForFinished(5000))
        end(m_process);
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<float> samples(static_cast<size_t>(bytes.size()) / sizeof(float) / 2 * 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(float));
    return samples;
}
