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

    // The reading holds its own copies, so it may outlive this object. It is
    // started apart from the co_await: g++ 12 destroys the temporaries of a
    // co_await expression twice, here the lambda and its copies.
    const QFuture<FanDiagnosticResult> reading = QtConcurrent::run(
        [platform = m_platform, sleeper = m_sleeper] { return computeFanResult(platform, *sleeper); });
    const FanDiagnosticResult result = co_await reading;
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
