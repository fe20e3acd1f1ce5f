#include "battery/BatteryDiagnosticViewModel.h"

#include "battery/BatteryReader.h"
#include "battery/BatteryVariants.h"

#include <QCoro/QCoroFuture>
#include <QMetaEnum>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

#include <array>
#include <exception>

using namespace std::chrono_literals;

namespace {

const QString preparingText = QStringLiteral("Akku-Diagnose wird vorbereitet …");

constexpr std::array<PacedStep, 4> steps{{
    {0.2, "MacBook Modell wird erkannt …", 250ms},
    {0.43, "Batteriedaten werden ausgelesen …", 330ms},
    {0.66, "Kapazität und Ladezyklen werden geprüft …", 350ms},
    {0.86, "Batteriezustand wird bewertet …", 330ms},
}};

struct ReaderOutcome
{
    std::optional<BatterySnapshot> snapshot;
    // Empty when the failure has no sentence of its own.
    QString errorMessage;
};

ReaderOutcome readBattery(const BatteryReader &reader)
{
    try {
        return {reader.read(), {}};
    } catch (BatteryReaderError error) {
        return {std::nullopt, localizedDescription(error)};
    } catch (const std::exception &) {
        // Anything else would leave the check hanging; the screen has a fallback sentence.
        return {std::nullopt, {}};
    }
}

} // namespace

BatteryDiagnosticViewModel::BatteryDiagnosticViewModel(Platform platform, Clock &clock, QObject *parent)
    : QObject(parent)
    , m_platform(std::move(platform))
    , m_clock(clock)
    , m_progressText(preparingText)
{
}

QString BatteryDiagnosticViewModel::phaseName() const
{
    return QString::fromLatin1(QMetaEnum::fromType<Phase>().valueToKey(static_cast<int>(m_phase)));
}

void BatteryDiagnosticViewModel::start()
{
    ++m_generation;
    setOutcome(std::nullopt, std::nullopt, {});
    setProgress(0.04, QString::fromUtf8(steps.front().text));
    setPhase(Phase::checking);
    // Runs on by itself; it ends at its first check after it went stale.
    check(m_generation);
}

void BatteryDiagnosticViewModel::reset()
{
    ++m_generation;
    setPhase(Phase::start);
    setProgress(0.0, preparingText);
    setOutcome(std::nullopt, std::nullopt, {});
}

QCoro::Task<> BatteryDiagnosticViewModel::check(quint64 generation)
{
    const QPointer<BatteryDiagnosticViewModel> self(this);
    const auto stale = [&] { return !self || m_generation != generation; };

    // The reader holds its own copy of the platform, so it may outlive this object.
    QFuture<ReaderOutcome> reading = QtConcurrent::run(readBattery, BatteryReader(m_platform));

    for (const PacedStep &step : steps) {
        if (stale())
            co_return;
        setProgress(step.progress, QString::fromUtf8(step.text));
        co_await m_clock.sleep(step.pause);
    }
    if (stale())
        co_return;

    const ReaderOutcome outcome = co_await reading;
    if (stale())
        co_return;

    if (!outcome.snapshot) {
        setOutcome(std::nullopt, std::nullopt, outcome.errorMessage);
        setPhase(Phase::error);
        co_return;
    }
    setOutcome(outcome.snapshot, evaluate(*outcome.snapshot), {});
    setProgress(1.0, QStringLiteral("Akku-Diagnose abgeschlossen"));
    co_await m_clock.sleep(180ms);
    if (stale())
        co_return;
    setPhase(Phase::result);
}

void BatteryDiagnosticViewModel::setPhase(Phase phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged();
}

void BatteryDiagnosticViewModel::setProgress(double progress, const QString &text)
{
    if (m_progress == progress && m_progressText == text)
        return;
    m_progress = progress;
    m_progressText = text;
    emit progressChanged();
}

void BatteryDiagnosticViewModel::setOutcome(std::optional<BatterySnapshot> snapshot,
                                            std::optional<BatteryEvaluation> evaluation, const QString &errorMessage)
{
    if (m_snapshot != snapshot) {
        m_snapshot = std::move(snapshot);
        emit batterySnapshotChanged();
    }
    if (m_evaluation != evaluation) {
        m_evaluation = std::move(evaluation);
        emit batteryEvaluationChanged();
    }
    if (m_errorMessage != errorMessage) {
        m_errorMessage = errorMessage;
        emit errorMessageChanged();
    }
}

QVariant BatteryDiagnosticViewModel::batterySnapshotVariant() const
{
    return m_snapshot ? QVariant(toVariantMap(*m_snapshot)) : QVariant();
}

QVariant BatteryDiagnosticViewModel::batteryEvaluationVariant() const
{
    return m_evaluation ? QVariant(toVariantMap(*m_evaluation)) : QVariant();
}
