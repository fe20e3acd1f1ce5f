#pragma once

#include "battery/BatteryEvaluation.h"
#include "battery/BatterySnapshot.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

#include <QObject>
#include <QVariant>

#include <optional>

// One battery check: reads the battery on the thread pool while the progress
// walks through its paced steps, then rates it. A new start or a reset makes
// a running check stale; a stale check changes nothing.
class BatteryDiagnosticViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(QString phaseName READ phaseName NOTIFY phaseChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QString progressText READ progressText NOTIFY progressChanged)
    Q_PROPERTY(QVariant batterySnapshot READ batterySnapshotVariant NOTIFY batterySnapshotChanged)
    Q_PROPERTY(QVariant batteryEvaluation READ batteryEvaluationVariant NOTIFY batteryEvaluationChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)

public:
    enum class Phase { start, checking, result, error };
    Q_ENUM(Phase)

    BatteryDiagnosticViewModel(Platform platform, Clock &clock, QObject *parent = nullptr);

    Phase phase() const { return m_phase; }
    QString phaseName() const;
    double progress() const { return m_progress; }
    QString progressText() const { return m_progressText; }
    const std::optional<BatterySnapshot> &batterySnapshot() const { return m_snapshot; }
    const std::optional<BatteryEvaluation> &batteryEvaluation() const { return m_evaluation; }
    // Empty when there is none.
    QString errorMessage() const { return m_errorMessage; }

    Q_INVOKABLE void start();
    Q_INVOKABLE void reset();

signals:
    void phaseChanged();
    void progressChanged();
    void batterySnapshotChanged();
    void batteryEvaluationChanged();
    void errorMessageChanged();

private:
    QCoro::Task<> check(quint64 generation);
    void setPhase(Phase phase);
    void setProgress(double progress, const QString &text);
    void setOutcome(std::optional<BatterySnapshot> snapshot, std::optional<BatteryEvaluation> evaluation,
                    const QString &errorMessage);
    QVariant batterySnapshotVariant() const;
    QVariant batteryEvaluationVariant() const;

    Platform m_platform;
    Clock &m_clock;
    // Bumped by start and reset; a check that finds it changed is stale.
    quint64 m_generation = 0;

    Phase m_phase = Phase::start;
    double m_progress = 0.0;
    QString m_progressText;
    std::optional<BatterySnapshot> m_snapshot;
    std::optional<BatteryEvaluation> m_evaluation;
    QString m_errorMessage;
};
