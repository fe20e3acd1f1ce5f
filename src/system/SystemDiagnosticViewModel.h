#pragma once

#include "flow/DiagnosticFlow.h"
#include "machine/ThermalReport.h"
#include "platform/Platform.h"
#include "platform/Sleeper.h"
#include "system/ProcessLoadEvaluation.h"
#include "system/ProcessLoadReport.h"
#include "system/SystemResult.h"
#include "system/ThermalEvaluation.h"

#include <QThreadPool>

#include <memory>
#include <optional>

// One temperature and system check: the battery, the temperature sensors and
// the process list are measured at once on worker threads while the progress
// walks through its paced steps; then both halves are rated. A new start or a
// reset makes a running check stale; a stale check changes nothing.
class SystemDiagnosticViewModel : public DiagnosticFlow
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Flows are made by the shell")
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(bool hasResult READ hasResult NOTIFY resultsChanged)
    Q_PROPERTY(SystemResult result READ result NOTIFY resultsChanged)

public:
    enum class Phase { start, checking, result, error };
    Q_ENUM(Phase)

    SystemDiagnosticViewModel(Platform platform, Clock &clock, std::shared_ptr<const Sleeper> sleeper,
                              QObject *parent = nullptr);
    ~SystemDiagnosticViewModel() override;

    Phase phase() const { return static_cast<Phase>(phaseValue()); }
    int sidebarStep() const override;
    const std::optional<ThermalReport> &thermalReport() const { return m_thermalReport; }
    const std::optional<ThermalEvaluation> &thermalEvaluation() const { return m_thermalEvaluation; }
    const std::optional<ProcessLoadReport> &processReport() const { return m_processReport; }
    const std::optional<ProcessLoadEvaluation> &processEvaluation() const { return m_processEvaluation; }
    std::optional<bool> externalPowerConnected() const { return m_externalPowerConnected; }
    // Unknown power counts as battery: its thresholds are the stricter ones.
    bool onBattery() const { return m_externalPowerConnected != true; }
    // Both reports and both evaluations are there.
    bool hasResult() const;
    // Empty without a result.
    SystemResult result() const;
    // Put the sensor or process list on the clipboard as plain text.
    Q_INVOKABLE void copyTemperatureSummary() const;
    Q_INVOKABLE void copyProcessSummary() const;

private:
    QCoro::Task<> run(Ticket ticket) override;
    void clearResults() override;
    void setPhase(Phase phase) { setPhaseValue(static_cast<int>(phase)); }

    Platform m_platform;
    std::shared_ptr<const Sleeper> m_sleeper;
    // The measurements mostly sleep between rounds; they get threads of their
    // own so a slow one never queues another, nor a stale check a fresh one.
    QThreadPool m_measurements;
    std::optional<ThermalReport> m_thermalReport;
    std::optional<ThermalEvaluation> m_thermalEvaluation;
    std::optional<ProcessLoadReport> m_processReport;
    std::optional<ProcessLoadEvaluation> m_processEvaluation;
    std::optional<bool> m_externalPowerConnected;
};
