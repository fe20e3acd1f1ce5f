#include "power/PowerDiagnosticViewModel.h"

#include "flow/SidebarStep.h"
#include "machine/BatteryReaderError.h"

#include <QCoro/QCoroFuture>
#include <QtConcurrent/QtConcurrentRun>

using namespace std::chrono_literals;

PowerDiagnosticViewModel::PowerDiagnosticViewModel(Platform platform, Clock &clock, QObject *parent)
    : DiagnosticFlow(clock, QStringLiteral("Stromversorgung wird vorbereitet …"), parent)
    , m_platform(std::move(platform))
{
}

int PowerDiagnosticViewModel::sidebarStep() const
{
    return checkSidebarStep(phase(), progress(), 0.8);
}

PowerResult PowerDiagnosticViewModel::result() const
{
    return hasResult() ? powerResult(*m_snapshot, *m_evaluation, m_family) : PowerResult();
}

QCoro::Task<> PowerDiagnosticViewModel::run(Ticket ticket)
{
    setProgress(0.12, QStringLiteral("Ladegerät wird gesucht …"));
    setPhase(Phase::checking);
    if (!co_await pause(450ms, ticket))
        co_return;

    setProgress(0.55, QStringLiteral("Ladestatus wird geprüft …"));
    // The task holds its own copy of the platform, so it may outlive this
    // object. It starts apart from the co_await: g++ 12 destroys the
    // temporaries of a co_await expression twice.
    const QFuture<BatteryReadOutcome<PowerReading>> reading = QtConcurrent::run(
        [platform = m_platform] { return catchBatteryReadFailure([&] { return readPowerSnapshot(platform); }); });
    const BatteryReadOutcome<PowerReading> outcome = co_await reading;
    if (ticket.stale())
        co_return;
    if (!outcome.value) {
        setErrorMessage(outcome.errorMessage);
        setPhase(Phase::error);
        co_return;
    }

    if (!co_await pause(450ms, ticket))
        co_return;
    m_snapshot = outcome.value->snapshot;
    m_evaluation = evaluate(m_snapshot.value());
    m_family = outcome.value->family;
    emit resultsChanged();
    setProgress(1.0, progressText());
    setPhase(Phase::result);
}

void PowerDiagnosticViewModel::clearResults()
{
    if (!hasResult())
        return;
    m_snapshot.reset();
    m_evaluation.reset();
    m_family = MacBookFamily::unsupported;
    emit resultsChanged();
}
