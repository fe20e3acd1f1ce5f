#include "battery/BatteryDiagnosticViewModel.h"

#include "flow/SidebarStep.h"
#include "machine/BatteryReader.h"

#include <QCoro/QCoroFuture>
#include <QtConcurrent/QtConcurrentRun>

#include <array>

using namespace std::chrono_literals;

namespace {

constexpr std::array<PacedStep, 4> steps {{
    {0.2, "MacBook Modell wird erkannt …", 250ms},
    {0.43, "Batteriedaten werden ausgelesen …", 330ms},
    {0.66, "Kapazität und Ladezyklen werden geprüft …", 350ms},
    {0.86, "Batteriezustand wird bewertet …", 330ms},
}};

} // namespace

BatteryDiagnosticViewModel::BatteryDiagnosticViewModel(Platform platform, Clock &clock, QObject *parent)
    : DiagnosticFlow(clock, QStringLiteral("Akku-Diagnose wird vorbereitet …"), parent)
    , m_platform(std::move(platform))
{
}

int BatteryDiagnosticViewModel::sidebarStep() const
{
    return checkSidebarStep(phase(), progress(), 0.82);
}

QCoro::Task<> BatteryDiagnosticViewModel::run(Ticket ticket)
{
    setProgress(0.04, QString::fromUtf8(steps.front().text));
    setPhase(Phase::checking);

    // The reader holds its own copy of the platform, so it may outlive this object.
    QFuture<BatteryReadOutcome<BatterySnapshot>> reading = QtConcurrent::run(
        [reader = BatteryReader(m_platform)] { return catchBatteryReadFailure([&] { return reader.read(); }); });
    if (!co_await walk(steps, ticket))
        co_return;
    const BatteryReadOutcome<BatterySnapshot> outcome = co_await reading;
    if (ticket.stale())
        co_return;

    if (!outcome.value) {
        setErrorMessage(outcome.errorMessage);
        setPhase(Phase::error);
        co_return;
    }
    m_snapshot = outcome.value;
    m_evaluation = evaluate(*outcome.value);
    emit resultsChanged();
    setProgress(1.0, QStringLiteral("Akku-Diagnose abgeschlossen"));
    if (co_await pause(180ms, ticket))
        setPhase(Phase::result);
}

void BatteryDiagnosticViewModel::clearResults()
{
    if (!m_snapshot && !m_evaluation)
        return;
    m_snapshot.reset();
    m_evaluation.reset();
    emit resultsChanged();
}

BatteryResult BatteryDiagnosticViewModel::result() const
{
    return hasResult() ? batteryResult(*m_snapshot, *m_evaluation) : BatteryResult();
}
