#include "system/ProcessReader.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <chrono>
#include <initializer_list>

namespace {

constexpr int minimumRounds = 3;
constexpr double minimumPauseSeconds = 0.2;

std::optional<QString> knownNote(const QString &lowerName)
{
    struct Note
    {
        std::initializer_list<const char *> names;
        const char16_t *text;
    };
    static const Note notes[] = {
        {{"kernel_task"}, u"macOS nutzt kernel_task unter anderem zur thermischen Schutzregelung"},
        {{"windowserver"},
         u"WindowServer zeichnet Fenster und Bildschirminhalte; hohe Last kann durch Displays, viele Fenster oder "
         u"Animationen entstehen"},
        {{"mds", "mds_stores", "mdworker", "mdworker_shared"}, u"Spotlight führt wahrscheinlich eine Indizierung aus"},
        {{"photoanalysisd", "mediaanalysisd"}, u"macOS analysiert Fotos bzw. Medien im Hintergrund"},
        {{"cloudd", "bird"}, u"iCloud synchronisiert wahrscheinlich Daten"},
        {{"backupd"}, u"Time Machine führt wahrscheinlich eine Sicherung aus"},
        {{"softwareupdated"}, u"macOS prüft oder installiert wahrscheinlich ein Softwareupdate"},
        {{"powerd"}, u"powerd verwaltet Energie- und Ruhezustandsfunktionen von macOS"},
    };
    for (const Note &note : notes) {
        for (const char *name : note.names) {
            if (lowerName == QLatin1String(name))
                return QString::fromUtf16(note.text);
        }
    }
    return std::nullopt;
}

bool isKnownDaemon(const QString &lowerName)
{
    static const char *const daemons[] = {
        "windowserver",
        "mds",
        "mds_stores",
        "mdworker",
        "mdworker_shared",
        "photoanalysisd",
        "mediaanalysisd",
        "cloudd",
        "bird",
        "backupd",
        "softwareupdated",
        "runningboardd",
        "powerd",
        "coreaudiod",
        "bluetoothd",
        "launchd",
        "distnoted",
        "cfprefsd",
        "logd",
        "opendirectoryd",
        "symptomsd",
        "locationd",
        "sharingd",
        "trustd",
        "nsurlsessiond",
        "apsd",
    };
    return std::any_of(std::begin(daemons), std::end(daemons),
                       [&lowerName](const char *daemon) { return lowerName == QLatin1String(daemon); });
}

bool startsWithAny(const QString &text, std::initializer_list<const char *> prefixes)
{
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&text](const char *prefix) { return text.startsWith(QLatin1String(prefix)); });
}

QString lastPathComponent(const QString &command)
{
    const QString last = command.section(QLatin1Char('/'), -1);
    if (!last.isEmpty())
        return last;
    const QStringList pieces = command.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return pieces.isEmpty() ? command : pieces.last();
}

double mean(const QList<double> &values)
{
    if (values.isEmpty())
        return 0;
    double sum = 0;
    for (const double value : values)
        sum += value;
    return sum / static_cast<double>(values.size());
}

} // namespace

ProcessReader::ProcessReader(const Platform &platform, std::shared_ptr<const Sleeper> sleeper)
    : m_rows(platform.processTable->open())
    , m_sleeper(std::move(sleeper))
{
}

QList<ProcessReader::SnapshotRow> ProcessReader::snapshot()
{
    return m_rows->rows();
}

ProcessReader::Classification ProcessReader::classify(const QString &command)
{
    Classification result;
    result.name = lastPathComponent(command);
    const QString lowerName = result.name.toLower();
    const QString lowerPath = command.toLower();
    result.specialNote = knownNote(lowerName);

    if (lowerName == QLatin1String("kernel_task") ||
        startsWithAny(lowerPath, {"/system/", "/usr/libexec/", "/usr/sbin/", "/usr/bin/", "/sbin/", "/bin/"})) {
        result.origin = ProcessOrigin::appleSystem;
    } else if (lowerPath.contains(QLatin1String(".app/contents/"))) {
        const bool helper = lowerPath.contains(QLatin1String("/contents/frameworks/")) ||
            lowerPath.contains(QLatin1String("/contents/xpcservices/")) ||
            lowerName.contains(QLatin1String("helper")) || lowerName.contains(QLatin1String("agent"));
        result.origin = helper ? ProcessOrigin::helper : ProcessOrigin::application;
        result.name = appName(command, result.name);
    } else if (startsWithAny(lowerPath, {"/library/", "/opt/", "/usr/local/", "/users/"})) {
        result.origin = ProcessOrigin::background;
    } else {
        result.origin = isKnownDaemon(lowerName) ? ProcessOrigin::appleSystem : ProcessOrigin::unknown;
    }
    return result;
}

QString ProcessReader::appName(const QString &command, const QString &fallback)
{
    const QStringList pieces = command.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (auto piece = pieces.crbegin(); piece != pieces.crend(); ++piece) {
        if (piece->toLower().endsWith(QLatin1String(".app")))
            return piece->chopped(4);
    }
    return fallback;
}

ProcessLoadReport ProcessReader::sample(int sampleCount, double intervalSeconds)
{
    const int rounds = std::max(sampleCount, minimumRounds);
    // Written so that a missing interval (NaN) also gets the shortest pause.
    const double pauseSeconds = intervalSeconds >= minimumPauseSeconds ? intervalSeconds : minimumPauseSeconds;
    const auto pause = std::chrono::round<std::chrono::milliseconds>(std::chrono::duration<double>(pauseSeconds));
    const qint64 ownPid = QCoreApplication::applicationPid();
    // A second instance of the app is as little a culprit as this one.
    const QString ownExecutable = QCoreApplication::applicationFilePath();
    // The readings on the monotonic clock, the pauses as the sleeper was asked
    // for them: elapsed time in the product, virtual time where it is simulated.
    std::chrono::steady_clock::duration reading {};

    QList<qint64> pidsInOrder;
    QHash<qint64, Accumulator> accumulators;
    for (int round = 0; round < rounds; ++round) {
        const auto readingStart = std::chrono::steady_clock::now();
        for (const SnapshotRow &row : snapshot()) {
            if (row.pid == ownPid || (!ownExecutable.isEmpty() && row.command == ownExecutable))
                continue;
            const Classification classification = classify(row.command);
            auto accumulator = accumulators.find(row.pid);
            if (accumulator == accumulators.end()) {
                pidsInOrder.append(row.pid);
                accumulator = accumulators.insert(
                    row.pid,
                    {classification.name, row.command, classification.origin, classification.specialNote, {}, {}});
            }
            accumulator->cpuValues.append(row.cpuPercent >= 0 ? row.cpuPercent : 0.0);
            const double memoryMB = row.residentMemoryKB / 1024.0;
            accumulator->memoryValuesMB.append(memoryMB >= 0 ? memoryMB : 0.0);
        }
        reading += std::chrono::steady_clock::now() - readingStart;
        if (round < rounds - 1)
            m_sleeper->sleep(pause);
    }

    ProcessLoadReport report;
    for (const qint64 pid : pidsInOrder) {
        const Accumulator &accumulator = *accumulators.constFind(pid);
        if (accumulator.cpuValues.isEmpty())
            continue;
        report.processes.append({pid, accumulator.name, accumulator.path, accumulator.origin,
                                 mean(accumulator.cpuValues),
                                 *std::max_element(accumulator.cpuValues.cbegin(), accumulator.cpuValues.cend()),
                                 mean(accumulator.memoryValuesMB), static_cast<int>(accumulator.cpuValues.size()),
                                 accumulator.specialNote});
    }
    std::stable_sort(report.processes.begin(), report.processes.end(),
                     [](const ProcessCPURecord &a, const ProcessCPURecord &b) {
                         if (a.averageCPUPercent != b.averageCPUPercent)
                             return a.averageCPUPercent > b.averageCPUPercent;
                         return a.peakCPUPercent > b.peakCPUPercent;
                     });
    report.sampleCount = rounds;
    report.durationSeconds = std::chrono::duration<double>(reading + pause * (rounds - 1)).count();
    return report;
}
