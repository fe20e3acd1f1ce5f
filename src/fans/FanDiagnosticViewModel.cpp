#include "fans/FanDiagnosticViewModel.h"

#include "fans/FanCheck.h"

#include <QCoro/QCoroFuture>
#include <QtConcurrent/QtConcurrentRun>

FanDiagnosticViewModel::FanDiagnosticViewModel(Platform platform, Clock &clock, std::shared_ptr<const Sleeper> sleeper,
                                               QObject *parent)
    : DiagnosticFlow(clock, QStringLiteral("Lüfter werden gesucht …"), parent)
    , m_platform(std::move(platform))
    , m_sleeper(std::move(sleeper))
{
}

int FanDiagnosticViewModel::sidebarStep() const
{
    return static_cast<int>(phase()) + 2;
}

QCoro::Task<> FanDiagnosticViewModel::run(Ticket ticket)
{
    setPhase(Phase::checking);
    setProgress(0.18, progressText());

    // The reading holds its own copies, so it may outlive this object.
    const Platform platform = m_platform;
    const std::shared_ptr<const Sleeper> sleeper = m_sleeper;
    const FanDiagnosticResult result =
        co_await QtConcurrent::run([platform, sleeper] { return computeFanResult(platform, *sleeper); });
    if (ticket.stale())
        co_return;

    setProgress(1.0, progressText());
    m_result = result;
    emit resultsChanged();
    setPhase(Phase::result);
}

void FanDiagnosticViewModel::clearResults()
{
    if (!m_result)
        return;
    m_result.reset();
    emit resultsChanged();
}
