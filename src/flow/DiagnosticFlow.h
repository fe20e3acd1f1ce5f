#pragma once

#include "flow/Clock.h"
#include "flow/PacedStep.h"

#include <QObject>
#include <QPointer>
#include <QtQmlIntegration/qqmlintegration.h>

#include <map>
#include <memory>
#include <span>

// What every module's flow object shares: the published progress, texts and
// phase, start and reset, and cancellation by generation. A run started
// before the latest start or reset is stale and changes nothing.
//
// A derived flow declares its own nested Phase enum (first value = initial
// phase) and its `phase` property, runs its check in run(), clears its
// results in clearResults() and states its sidebar step.
class DiagnosticFlow : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Flows are made by the shell")
    Q_PROPERTY(QString phaseName READ phaseName NOTIFY phaseChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QString progressText READ progressText NOTIFY progressChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)

public:
    DiagnosticFlow(Clock &clock, QString preparingText, QObject *parent = nullptr);
    // Wakes the checks still asleep so that they see they are stale and end.
    ~DiagnosticFlow() override;

    // The key of the current value of the derived class's Phase enum.
    QString phaseName() const;
    double progress() const { return m_progress; }
    QString progressText() const { return m_progressText; }
    // Empty when there is none.
    QString errorMessage() const { return m_errorMessage; }
    // The sidebar's step (2 to 4) while this module is shown.
    virtual int sidebarStep() const = 0;

    Q_INVOKABLE void start();
    Q_INVOKABLE void reset();

signals:
    void phaseChanged();
    void progressChanged();
    void errorMessageChanged();
    void resultsChanged();

protected:
    // One run of the check, as handed to run(); stale once a later start or
    // reset came, or the flow is gone. Check it after every co_await.
    class Ticket
    {
    public:
        bool stale() const { return !m_flow || m_flow->m_generation != m_generation; }

    private:
        friend class DiagnosticFlow;
        Ticket(const DiagnosticFlow *flow, quint64 generation)
            : m_flow(flow)
            , m_generation(generation)
        {
        }
        QPointer<const DiagnosticFlow> m_flow;
        quint64 m_generation;
    };

    // Begins a fresh check; state was cleared and errorMessage emptied.
    // Runs on by itself and ends at its first check after it went stale.
    virtual QCoro::Task<> run(Ticket ticket) = 0;
    virtual void clearResults() = 0;

    int phaseValue() const { return m_phase; }
    void setPhaseValue(int phase);
    void setProgress(double progress, const QString &text);
    void setErrorMessage(const QString &message);
    // Every pause of this flow's checks goes through it: start, reset and
    // the end of the flow wake the stale ones early.
    Clock &clock() const { return m_clock; }

    // Shows each step's progress and text and waits its pause. False when the
    // run went stale on the way.
    QCoro::Task<bool> walk(std::span<const PacedStep> steps, Ticket ticket);
    // False when the run went stale during the pause.
    QCoro::Task<bool> pause(std::chrono::milliseconds duration, Ticket ticket);

private:
    // Forwards to the injected clock and remembers what is asleep.
    class FlowClock final : public Clock
    {
    public:
        explicit FlowClock(Clock &base)
            : m_base(base)
        {
        }
        std::unique_ptr<Alarm> arm(std::chrono::milliseconds duration, std::function<void()> ring) override;
        // Rings what was asleep when called; later alarms keep their time.
        void wakeAll();

    private:
        class FlowAlarm;
        Clock &m_base;
        quint64 m_lastId = 0;
        // Shared with the alarms, which live in the sleeping frames.
        std::shared_ptr<std::map<quint64, std::function<void()>>> m_asleep =
            std::make_shared<std::map<quint64, std::function<void()>>>();
    };

    void wakeStaleChecks();

    mutable FlowClock m_clock;
    const QString m_preparingText;
    quint64 m_generation = 0;
    int m_phase = 0;
    double m_progress = 0.0;
    QString m_progressText;
    QString m_errorMessage;
};
