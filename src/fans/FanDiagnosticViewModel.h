#pragma once

#include "fans/FanDiagnosticResult.h"
#include "flow/DiagnosticFlow.h"
#include "platform/Platform.h"
#include "platform/Sleeper.h"

#include <memory>
#include <optional>

// One fan check: the fans and a short temperature reading on the thread pool,
// judged together. A new start or a reset makes a running check stale; a
// stale check publishes nothing.
class FanDiagnosticViewModel : public DiagnosticFlow
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Flows are made by the shell")
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(bool hasResult READ hasResult NOTIFY resultsChanged)
    Q_PROPERTY(FanDiagnosticResult result READ result NOTIFY resultsChanged)

public:
    enum class Phase { start, checking, result };
    Q_ENUM(Phase)

    FanDiagnosticViewModel(Platform platform, Clock &clock, std::shared_ptr<const Sleeper> sleeper,
                           QObject *parent = nullptr);

    Phase phase() const { return static_cast<Phase>(phaseValue()); }
    int sidebarStep() const override;
    bool hasResult() const { return m_result.has_value(); }
    // Empty without a result.
    FanDiagnosticResult result() const { return m_result.value_or(FanDiagnosticResult()); }

private:
    QCoro::Task<> run(Ticket ticket) override;
    void clearResults() override;
    void setPhase(Phase phase) { setPhaseValue(static_cast<int>(phase)); }

    Platform m_platform;
    std::shared_ptr<const Sleeper> m_sleeper;
    std::optional<FanDiagnosticResult> m_result;
};
