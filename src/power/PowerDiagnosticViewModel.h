#pragma once

#include "flow/DiagnosticFlow.h"
#include "power/PowerEvaluation.h"
#include "power/PowerResult.h"
#include "power/PowerSnapshotReader.h"

#include <optional>

// One charger check: finds the power source, reads it off the interface
// thread and rates it.
class PowerDiagnosticViewModel : public DiagnosticFlow
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Flows are made by the shell")
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(bool hasResult READ hasResult NOTIFY resultsChanged)
    Q_PROPERTY(PowerResult result READ result NOTIFY resultsChanged)

public:
    enum class Phase { start, checking, result, error };
    Q_ENUM(Phase)

    PowerDiagnosticViewModel(Platform platform, Clock &clock, QObject *parent = nullptr);

    Phase phase() const { return static_cast<Phase>(phaseValue()); }
    int sidebarStep() const override;
    const std::optional<PowerSnapshot> &snapshot() const { return m_snapshot; }
    const std::optional<PowerEvaluation> &evaluation() const { return m_evaluation; }
    bool hasResult() const { return m_snapshot && m_evaluation; }
    // Empty without a result.
    PowerResult result() const;

private:
    QCoro::Task<> run(Ticket ticket) override;
    void clearResults() override;
    void setPhase(Phase phase) { setPhaseValue(static_cast<int>(phase)); }

    Platform m_platform;
    std::optional<PowerSnapshot> m_snapshot;
    std::optional<PowerEvaluation> m_evaluation;
    MacBookFamily m_family = MacBookFamily::unsupported;
};
