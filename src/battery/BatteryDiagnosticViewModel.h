#pragma once

#include "battery/BatteryEvaluation.h"
#include "battery/BatteryResult.h"
#include "flow/DiagnosticFlow.h"
#include "machine/BatterySnapshot.h"
#include "platform/Platform.h"

#include <optional>

// One battery check: reads the battery on the thread pool while the progress
// walks through its paced steps, then rates it.
class BatteryDiagnosticViewModel : public DiagnosticFlow
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Flows are made by the shell")
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(bool hasResult READ hasResult NOTIFY resultsChanged)
    Q_PROPERTY(BatteryResult result READ result NOTIFY resultsChanged)

public:
    enum class Phase { start, checking, result, error };
    Q_ENUM(Phase)

    BatteryDiagnosticViewModel(Platform platform, Clock &clock, QObject *parent = nullptr);

    Phase phase() const { return static_cast<Phase>(phaseValue()); }
    int sidebarStep() const override;
    const std::optional<BatterySnapshot> &batterySnapshot() const { return m_snapshot; }
    const std::optional<BatteryEvaluation> &batteryEvaluation() const { return m_evaluation; }
    // Both the snapshot and its evaluation are there.
    bool hasResult() const { return m_snapshot && m_evaluation; }
    // Empty without a result.
    BatteryResult result() const;

private:
    QCoro::Task<> run(Ticket ticket) override;
    void clearResults() override;
    void setPhase(Phase phase) { setPhaseValue(static_cast<int>(phase)); }

    Platform m_platform;
    std::optional<BatterySnapshot> m_snapshot;
    std::optional<BatteryEvaluation> m_evaluation;
};
