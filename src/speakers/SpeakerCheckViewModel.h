#pragma once

#include "flow/DiagnosticFlow.h"
#include "platform/Platform.h"
#include "speakers/SpeakerAssessment.h"
#include "speakers/SpeakerAudioEngine.h"
#include "speakers/SpeakerMacModel.h"

#include <QUrl>
#include <QVariantList>

#include <chrono>
#include <memory>
#include <optional>

// The speaker check: the test sequence on the right speaker, the user's
// answer, the same on the left, then a short paced evaluation of the two
// answers. Only one task runs at a time; every new one makes the last stale.
class SpeakerCheckViewModel : public DiagnosticFlow
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Flows are made by the shell")
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(bool isPlaying READ isPlaying NOTIFY playbackChanged)
    Q_PROPERTY(bool awaitingAssessment READ awaitingAssessment NOTIFY playbackChanged)
    Q_PROPERTY(VerdictLook rightResult READ rightResult NOTIFY resultsChanged)
    Q_PROPERTY(VerdictLook leftResult READ leftResult NOTIFY resultsChanged)
    Q_PROPERTY(SpeakerVerdict verdict READ verdict NOTIFY resultsChanged)
    Q_PROPERTY(bool needsRepair READ needsRepair NOTIFY resultsChanged)
    Q_PROPERTY(QUrl repairPage READ repairPage NOTIFY modelInfoChanged)
    Q_PROPERTY(QString modelName READ modelName NOTIFY modelInfoChanged)
    Q_PROPERTY(QVariantList assessmentChoices READ assessmentChoices CONSTANT)

public:
    enum class Phase { start, rightSpeaker, leftSpeaker, evaluating, result };
    Q_ENUM(Phase)

    // Without an output, the system's default sound output is used.
    SpeakerCheckViewModel(Platform platform, Clock &clock, std::unique_ptr<SpeakerOutput> output = nullptr,
                          QObject *parent = nullptr);

    Phase phase() const { return static_cast<Phase>(phaseValue()); }
    int sidebarStep() const override;
    bool isPlaying() const { return m_isPlaying; }
    bool awaitingAssessment() const { return m_awaitingAssessment; }
    std::optional<SpeakerAssessment> rightAssessment() const { return m_right; }
    std::optional<SpeakerAssessment> leftAssessment() const { return m_left; }
    VerdictLook rightResult() const { return assessmentLook(m_right); }
    VerdictLook leftResult() const { return assessmentLook(m_left); }
    SpeakerVerdict verdict() const { return speakerVerdict(m_right, m_left); }
    bool needsRepair() const { return ::needsRepair(m_right, m_left); }
    const SpeakerMacModelInfo &modelInfo() const { return m_modelInfo; }
    QString modelName() const { return m_modelInfo.displayName(); }
    QUrl repairPage() const { return speakerRepairPage(m_modelInfo.family); }
    // The answers in the order of their buttons, each with its look.
    QVariantList assessmentChoices() const;

    // Plays the current side again, also after a failure.
    Q_INVOKABLE void replayCurrentChannel();
    Q_INVOKABLE void submitAssessment(SpeakerAssessments::SpeakerAssessment assessment);

signals:
    void playbackChanged();
    void modelInfoChanged();

private:
    // One task of a run: stale once the run is, or once a later task began.
    class TaskTicket
    {
    public:
        TaskTicket(SpeakerCheckViewModel *flow, Ticket run, quint64 task)
            : m_flow(flow)
            , m_run(run)
            , m_task(task)
        {
        }
        bool stale() const { return m_run.stale() || !m_flow || m_flow->m_task != m_task; }

    private:
        QPointer<SpeakerCheckViewModel> m_flow;
        Ticket m_run;
        quint64 m_task;
    };

    QCoro::Task<> run(Ticket ticket) override;
    void clearResults() override;
    void setPhase(Phase phase) { setPhaseValue(static_cast<int>(phase)); }
    void setPlayback(bool isPlaying, bool awaitingAssessment);
    // Ends the running task and silences the output.
    void stop();
    void playCurrentChannel(std::chrono::milliseconds delay);
    QCoro::Task<> playChannel(TaskTicket ticket, SpeakerSide side, std::chrono::milliseconds delay);
    void evaluate();

    Platform m_platform;
    SpeakerAudioEngine m_engine;
    SpeakerMacModelInfo m_modelInfo;
    std::optional<Ticket> m_run;
    quint64 m_task = 0;
    bool m_isPlaying = false;
    bool m_awaitingAssessment = false;
    std::optional<SpeakerAssessment> m_right;
    std::optional<SpeakerAssessment> m_left;
};
