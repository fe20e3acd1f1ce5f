#include "flow/DiagnosticFlow.h"

#include <QMetaProperty>

DiagnosticFlow::DiagnosticFlow(Clock &clock, QString preparingText, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_preparingText(std::move(preparingText))
    , m_progressText(m_preparingText)
{
}

DiagnosticFlow::~DiagnosticFlow()
{
    // The derived part is gone; the checks must not reach it.
    ++m_generation;
    wakeStaleChecks();
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
    wakeStaleChecks();
    run(Ticket(this, m_generation));
}

void DiagnosticFlow::reset()
{
    ++m_generation;
    setPhaseValue(0);
    setProgress(0.0, m_preparingText);
    clearResults();
    setErrorMessage({});
    wakeStaleChecks();
}

void DiagnosticFlow::wakeStaleChecks()
{
    // A check asleep would otherwise hold its frame (and what it captured)
    // until its time came, or for ever once the event loop has ended.
    m_clock.wakeAll();
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

class DiagnosticFlow::FlowClock::FlowAlarm final : public Clock::Alarm
{
public:
    FlowAlarm(std::weak_ptr<std::map<quint64, std::function<void()>>> asleep, quint64 id)
        : m_asleep(std::move(asleep))
        , m_id(id)
    {
    }
    ~FlowAlarm() override
    {
        if (const auto asleep = m_asleep.lock())
            asleep->erase(m_id);
    }
    std::unique_ptr<Clock::Alarm> base;

private:
    std::weak_ptr<std::map<quint64, std::function<void()>>> m_asleep;
    quint64 m_id;
};

std::unique_ptr<Clock::Alarm> DiagnosticFlow::FlowClock::arm(std::chrono::milliseconds duration,
                                                             std::function<void()> ring)
{
    const quint64 id = ++m_lastId;
    m_asleep->emplace(id, std::move(ring));
    auto alarm = std::make_unique<FlowAlarm>(m_asleep, id);
    alarm->base = m_base.arm(duration, [asleep = std::weak_ptr(m_asleep), id] {
        const auto all = asleep.lock();
        if (!all)
            return;
        const auto found = all->find(id);
        if (found == all->end())
            return;
        const std::function<void()> ring = std::move(found->second);
        all->erase(found);
        ring();
    });
    return alarm;
}

void DiagnosticFlow::FlowClock::wakeAll()
{
    const quint64 last = m_lastId;
    // One at a time: a woken check may end other sleeps on its way out.
    while (!m_asleep->empty() && m_asleep->begin()->first <= last) {
        const std::function<void()> ring = std::move(m_asleep->begin()->second);
        m_asleep->erase(m_asleep->begin());
        ring();
    }
}
