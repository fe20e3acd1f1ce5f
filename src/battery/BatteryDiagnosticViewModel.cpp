#include "battery/BatteryDiagnosticViewModel.h"

#include "flow/SidebarStep.h"
#include "machine/BatteryReader.h"

#include <QCoro/QCoroFuture>
#include <QtConcurrent/QtConcurrentRun>

#include <array>
#include <exception>

using namespace std::chrono_literals;

namespace {

constexpr std::array<PacedStep, 4> steps {{
    {0.2, "MacBook Modell wird erkannt …", 250ms},
    {0.43, "Batteriedaten werden ausgelesen …", 330ms},
    {0.66, "Kapazität und Ladezyklen werden geprüft …", 350ms},
    {0.86, "Batteriezustand wird bewertet …", 330ms},
}};

struct ReaderOutcome
{
    std::optional<BatterySnapshot> snapshot;
    // Empty when the failure has no sentence of its own.
    QString errorMessage;
};

ReaderOutcome readBattery(const BatteryReader &reader)
{
    try {
        return {reader.read(), {}};
    } catch (BatteryReaderError error) {
        return {std::nullopt, localizedDescription(error)};
    } catch (const std::exception &) {
        // Anything else would leave the check hanging; the screen has a fallback sentence.
        return {std::nullopt, {}};
    }
}

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
    QFuture<ReaderOutcome> reading = QtConcurrent::run(readBattery, BatteryReader(m_platform));
    if (!co_await walk(steps, ticket))
        co_return;
    const ReaderOutcome outcome = co_await reading;
    if (ticket.stale())
        co_return;

    if (!outcome.snapshot) {
        setErrorMessage(outcome.errorMessage);
        setPhase(Phase::error);
        co_return;
    }
    m_snapshot = outcome.snapshot;
    m_evaluation = evaluate(*outcome.snapshot);
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
