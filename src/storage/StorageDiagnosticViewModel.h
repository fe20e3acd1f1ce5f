#pragma once

#include "flow/DiagnosticFlow.h"
#include "platform/Platform.h"
#include "storage/StorageEvaluation.h"
#include "storage/StorageResult.h"
#include "storage/StorageSnapshot.h"

#include <QVariant>

#include <atomic>
#include <memory>
#include <optional>

// One storage check: capacities, drive health and the speed test on the
// thread pool, its progress shown live, the measurement visible for at least
// 5.5 seconds. A new start or a reset stops a running speed test within one
// block; a stale check publishes nothing.
class StorageDiagnosticViewModel : public DiagnosticFlow
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Flows are made by the shell")
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    // Megabytes per second, or undefined while there is no speed to show.
    Q_PROPERTY(QVariant currentWriteMBps READ currentWriteMBps NOTIFY speedsChanged)
    Q_PROPERTY(QVariant currentReadMBps READ currentReadMBps NOTIFY speedsChanged)
    Q_PROPERTY(bool hasResult READ hasResult NOTIFY resultsChanged)
    Q_PROPERTY(StorageResult result READ result NOTIFY resultsChanged)

public:
    enum class Phase { start, checking, result, error };
    Q_ENUM(Phase)

    // testFileBytes replaces the size the free space would choose (tests).
    StorageDiagnosticViewModel(Platform platform, Clock &clock, std::optional<qint64> testFileBytes = std::nullopt,
                               QObject *parent = nullptr);
    ~StorageDiagnosticViewModel() override;

    Phase phase() const { return static_cast<Phase>(phaseValue()); }
    int sidebarStep() const override;
    QVariant currentWriteMBps() const { return speedValue(m_currentWrite); }
    QVariant currentReadMBps() const { return speedValue(m_currentRead); }
    const std::optional<StorageSnapshot> &snapshot() const { return m_snapshot; }
    const std::optional<StorageEvaluation> &evaluation() const { return m_evaluation; }
    bool hasResult() const { return m_snapshot && m_evaluation; }
    // Empty without a result.
    StorageResult result() const;

signals:
    void speedsChanged();

private:
    QCoro::Task<> run(Ticket ticket) override;
    void clearResults() override;
    void setPhase(Phase phase) { setPhaseValue(static_cast<int>(phase)); }
    void setSpeeds(std::optional<double> write, std::optional<double> read);
    void apply(const StorageBenchmarkUpdate &update);
    void stopSpeedTest();
    static QVariant speedValue(const std::optional<double> &speed) { return speed ? QVariant(*speed) : QVariant(); }

    Platform m_platform;
    std::optional<qint64> m_testFileBytes;
    // Shared with the running speed test, which ends once it is set.
    std::shared_ptr<std::atomic<bool>> m_cancelled;
    std::optional<double> m_currentWrite;
    std::optional<double> m_currentRead;
    std::optional<StorageSnapshot> m_snapshot;
    std::optional<StorageEvaluation> m_evaluation;
};
