#include "platform/processes/PsProcessTable.h"

#include "platform/processes/PsOutput.h"
#include "platform/tools/ChildProcess.h"

namespace {

class PsRowSource : public ProcessRowSource
{
public:
    explicit PsRowSource(QString executable)
        : m_executable(std::move(executable))
    {
    }

    QList<ProcessRow> rows() override
    {
        ChildProcessRequest request;
        request.executable = m_executable;
        // The path column must come last: the tool cuts every other text column short.
        request.arguments = {QStringLiteral("-axo"), QStringLiteral("pid=,pcpu=,rss=,comm=")};
        // The tool never needs long; one that hangs only costs this round.
        request.timeLimit = std::chrono::seconds(10);
        const ChildProcessResult result = runChildProcess(request);
        if (!result.succeeded())
            return {};
        return parsePsOutput(result.output);
    }

private:
    QString m_executable;
};

} // namespace

PsProcessTable::PsProcessTable(QString executable)
    : m_executable(std::move(executable))
{
}

std::unique_ptr<ProcessRowSource> PsProcessTable::open() const
{
    return std::make_unique<PsRowSource>(m_executable);
}
