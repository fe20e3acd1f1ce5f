#include "platform/linux/ProcProcessTable.h"

#include "platform/linux/SysfsAttribute.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace {

struct ProcessStat
{
    QByteArray comm;
    quint64 cpuTicks = 0;
    quint64 startTicks = 0;
    qint64 residentPages = 0;
};

struct CpuMark
{
    quint64 startTicks = 0;
    quint64 cpuTicks = 0;
};

// Proc files report no size, so they are read up to a bound instead.
QByteArray readProcFile(const QString &path, qint64 limit)
{
    return readFileStart(path, limit).value_or(QByteArray());
}

std::optional<ProcessStat> parseStat(const QByteArray &text)
{
    // The name sits in parentheses and may itself hold blanks and parentheses.
    const qsizetype open = text.indexOf('(');
    const qsizetype close = text.lastIndexOf(')');
    if (open < 0 || close < open)
        return std::nullopt;
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    // Counted from the state, the third field of the line.
    constexpr int userTime = 11, systemTime = 12, startTime = 19, residentSetSize = 21;
    if (fields.size() <= residentSetSize)
        return std::nullopt;
    bool userOk = false, systemOk = false, startOk = false, residentOk = false;
    ProcessStat stat;
    stat.comm = text.mid(open + 1, close - open - 1);
    stat.cpuTicks = fields[userTime].toULongLong(&userOk) + fields[systemTime].toULongLong(&systemOk);
    stat.startTicks = fields[startTime].toULongLong(&startOk);
    stat.residentPages = fields[residentSetSize].toLongLong(&residentOk);
    if (!userOk || !systemOk || !startOk || !residentOk)
        return std::nullopt;
    return stat;
}

class ProcRowSource : public ProcessRowSource
{
public:
    explicit ProcRowSource(const QString &root)
        : m_proc(QDir(root).filePath(QStringLiteral("proc")))
        , m_ticksPerSecond(static_cast<double>(sysconf(_SC_CLK_TCK)))
        , m_pageKB(static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024.0)
    {
    }

    QList<ProcessRow> rows() override
    {
        const std::optional<double> uptime = readUptime();
        if (!uptime)
            return {};
        const double interval = m_previousUptime ? *uptime - *m_previousUptime : 0.0;

        QList<ProcessRow> rows;
        QHash<qint64, CpuMark> marks;
        const QStringList entries = QDir(m_proc).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
        for (const QString &entry : entries) {
            bool isPid = false;
            const qint64 pid = entry.toLongLong(&isPid);
            if (!isPid)
                continue;
            const QString directory = m_proc + QLatin1Char('/') + entry;
            // A process may end at any moment; then it simply has no row.
            const auto stat = parseStat(readProcFile(directory + QStringLiteral("/stat"), 4096));
            if (!stat)
                continue;

            const CpuMark mark {stat->startTicks, stat->cpuTicks};
            marks.insert(pid, mark);
            rows.append({pid, cpuPercent(pid, mark, *uptime, interval),
                         static_cast<double>(stat->residentPages) * m_pageKB, command(directory, stat->comm)});
        }
        m_marks = std::move(marks);
        m_previousUptime = uptime;
        return rows;
    }

private:
    // Over the interval since the previous round, or since the process
    // started when this is its first round here.
    double cpuPercent(qint64 pid, const CpuMark &mark, double uptime, double interval) const
    {
        const auto previous = m_marks.constFind(pid);
        // A pid with another start time belongs to a new process; rounds closer
        // together than the uptime's hundredths cannot be told apart.
        const bool seenBefore = previous != m_marks.cend() && previous->startTicks == mark.startTicks && interval > 0;
        const quint64 busyTicks =
            seenBefore ? mark.cpuTicks - std::min(mark.cpuTicks, previous->cpuTicks) : mark.cpuTicks;
        const double elapsedSeconds =
            seenBefore ? interval : uptime - static_cast<double>(mark.startTicks) / m_ticksPerSecond;
        return elapsedSeconds > 0 ? static_cast<double>(busyTicks) / m_ticksPerSecond / elapsedSeconds * 100.0 : 0.0;
    }

    std::optional<double> readUptime() const
    {
        const QByteArray text = readProcFile(m_proc + QStringLiteral("/uptime"), 256);
        bool ok = false;
        const double seconds = text.left(text.indexOf(' ')).toDouble(&ok);
        return ok ? std::optional<double>(seconds) : std::nullopt;
    }

    // The executable's path; where the link gives none, the first argument;
    // for kernel threads, which have neither, their name.
    static QString command(const QString &directory, const QByteArray &comm)
    {
        std::error_code error;
        const std::filesystem::path link = QFile::encodeName(directory + QStringLiteral("/exe")).toStdString();
        const std::filesystem::path executable = std::filesystem::read_symlink(link, error);
        QString path = error ? QString() : QFile::decodeName(QByteArray::fromStdString(executable.native()));
        // A replaced or removed executable keeps this mark on its link.
        const QLatin1String deleted(" (deleted)");
        if (path.endsWith(deleted))
            path.chop(deleted.size());
        // Programs started from an anonymous memory file have no path to show.
        if (!path.isEmpty() && !path.startsWith(QLatin1String("/memfd:")))
            return path;
        const QByteArray arguments = readProcFile(directory + QStringLiteral("/cmdline"), 4096);
        const QByteArray first = arguments.left(arguments.indexOf('\0'));
        if (!first.trimmed().isEmpty())
            return QString::fromUtf8(first);
        // Thread names such as kworker/0:1 are not paths; a look-alike slash
        // keeps them whole when the name is taken from the last path piece.
        return QString::fromUtf8(comm).replace(u'/', QChar(0x2215));
    }

    const QString m_proc;
    const double m_ticksPerSecond;
    const double m_pageKB;
    QHash<qint64, CpuMark> m_marks;
    std::optional<double> m_previousUptime;
};

} // namespace

ProcProcessTable::ProcProcessTable(QString root)
    : m_root(std::move(root))
{
}

std::unique_ptr<ProcessRowSource> ProcProcessTable::open() const
{
    return std::make_unique<ProcRowSource>(m_root);
}
