#include "platform/tools/ProfilerHardwareOverview.h"

#include "platform/tools/ChildProcess.h"

ProfilerHardwareOverview::ProfilerHardwareOverview(QString executable)
    : m_executable(std::move(executable))
{
}

std::optional<QByteArray> ProfilerHardwareOverview::json() const
{
    ChildProcessRequest request;
    request.executable = m_executable;
    request.arguments = {QStringLiteral("-json"), QStringLiteral("SPHardwareDataType"),
                         QStringLiteral("SPPowerDataType")};
    request.environmentOverrides = {{QStringLiteral("LC_ALL"), QStringLiteral("en_US_POSIX")},
                                    {QStringLiteral("LANG"), QStringLiteral("en_US_POSIX")}};
    request.timeLimit = std::chrono::seconds(10);
    ChildProcessResult result = runChildProcess(request);
    if (!result.succeeded() || result.output.isEmpty())
        return std::nullopt;
    return std::move(result.output);
}
