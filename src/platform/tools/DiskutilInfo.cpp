#include "platform/tools/DiskutilInfo.h"

#include "platform/tools/ChildProcess.h"

#include <QStringList>

using namespace std::chrono_literals;

std::optional<QString> smartStatusFromDiskutilInfo(const QByteArray &output)
{
    const QStringList lines = QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        if (!line.toLower().contains(QLatin1String("smart status")))
            continue;
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            return std::nullopt;
        return line.mid(colon + 1).trimmed();
    }
    return std::nullopt;
}

std::optional<QString> readDiskutilSmartStatus(const QString &executable)
{
    // A hung diskutil must not hold the check for ever; it answers in well under a second.
    const ChildProcessResult result =
        runChildProcess({executable, {QStringLiteral("info"), QStringLiteral("/")}, {}, 30s});
    if (!result.succeeded())
        return std::nullopt;
    return smartStatusFromDiskutilInfo(result.output);
}
