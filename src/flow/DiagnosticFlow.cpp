#include "flow/DiagnosticFlow.h"

#include <QMetaProperty>

DiagnosticFlow::DiagnosticFlow(Clock &clock, QString preparingText, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_preparingText(std::move(preparingText))
    , m_progressText(m_preparingText)
{
}

QString DiagnosticFlow::phaseName() const
{
    const QMetaObject *meta = metaObject();
    const QMetaProperty phase = meta->property(meta->indexOfProperty("phase"));
    return QString::fromLatin1(phase.enumerator().valueToKey(m_phase));
}

void DiagnosticFlow::start()
{
    ++m_generation;
    clearResults();
    setErrorMessage({});
    run(Ticket(this, m_generation));
}

void DiagnosticFlow::reset()
{
    ++m_generation;
    setPhaseValue(0);
    setProgress(0.0, m_preparingText);
    clearResults();
    setErrorMessage({});
}

void DiagnosticFlow::setPhaseValue(int phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged();
}

void DiagnosticFlow::setProgress(double progress, const QString &text)
{
    if (m_progress == progress && m_progressText == text)
        return;
    m_progress = progress;
    m_progressText = text;
    emit progressChanged();
}

void DiagnosticFlow::setErrorMessage(const QString &message)
{
    if (m_errorMessage == message)
        return;
    m_errorMessage = message;
    emit errorMessageChanged();
}

QCoro::Task<bool> DiagnosticFlow::walk(std::span<const PacedStep> steps, Ticket ticket)
{
    for (const PacedStep &step : steps) {
        if (ticket.stale())
            co_return false;
        setProgress(step.progress, QString::fromUtf8(step.text));
        co_await m_clock.sleep(step.pause);
    }
    co_return !ticket.stale();
}

QCoro::Task<bool> DiagnosticFlow::pause(std::chrono::milliseconds duration, Ticket ticket)
{
    co_await m_clock.sleep(duration);
    co_return !ticket.stale();
}
