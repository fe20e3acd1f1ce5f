#include "system/SystemDiagnosticViewModel.h"

#include "battery/BatteryReader.h"
#include "system/ProcessReader.h"
#include "system/ProcessSummaryText.h"
#include "system/SystemVariants.h"
#include "system/TemperatureSummaryText.h"
#include "system/ThermalSampling.h"

#include <QClipboard>
#include <QCoro/QCoroFuture>
#include <QGuiApplication>
#include <QMetaEnum>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

#include <array>
#include <exception>

using namespace std::chrono_literals;

namespace {

const QString preparingText = QStringLiteral("Temperatur- & Systemcheck wird vorbereitet …");

constexpr std::array<PacedStep, 6> steps{{
    {0.14, "Temperatursensoren werden erkannt …", 300ms},
    {0.31, "CPU-, GPU- und Akkutemperaturen werden gelesen …", 420ms},
    {0.49, "Temperaturen werden mehrfach geprüft …", 460ms},
    {0.67, "Kühlung und thermischer Systemstatus werden bewertet …", 430ms},
    {0.82, "Akku- & hardware-relevante Hintergrundaktivitäten werden geprüft …", 520ms},
    {0.93, "Systembelastung wird bewertet …", 380ms},
}};

constexpr int thermalRounds = 6;
constexpr double thermalInterval = 0.3;
constexpr int processRounds = 8;
constexpr double processInterval = 0.42;
// Two checks' worth: a restarted check never waits behind a stale one.
constexpr int measurementThreads = 6;

// Only the power state is wanted; a machine without a battery just has none.
std::optional<bool> readExternalPower(const BatteryReader &reader)
{
    try {
        return reader.read().externalPowerConnected;
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace

SystemDiagnosticViewModel::SystemDiagnosticViewModel(Platform platform, Clock &clock,
                                                     std::shared_ptr<const Sleeper> sleeper, QObject *parent)
    : QObject(parent)
    , m_platform(std::move(platform))
    , m_clock(clock)
    , m_sleeper(std::move(sleeper))
    , m_progressText(preparingText)
{
    m_measurements.setMaxThreadCount(measurementThreads);
}

// The measurements hold copies of what they use; waiting for them keeps no
// thread running past the window.
SystemDiagnosticViewModel::~SystemDiagnosticViewModel()
{
    m_measurements.waitForDone();
}

QString SystemDiagnosticViewModel::phaseName() const
{
    return QString::fromLatin1(QMetaEnum::fromType<Phase>().valueToKey(static_cast<int>(m_phase)));
}

void SystemDiagnosticViewModel::start()
{
    ++m_generation;
    clearResults();
    setProgress(0.03, QStringLiteral("Temperatursensoren werden vorbereitet …"));
    setPhase(Phase::checking);
    // Runs on by itself; it ends at its first check after it went stale.
    check(m_generation);
}

void SystemDiagnosticViewModel::reset()
{
    ++m_generation;
    setPhase(Phase::start);
    setProgress(0.0, preparingText);
    clearResults();
}

QCoro::Task<> SystemDiagnosticViewModel::check(quint64 generation)
{
    const QPointer<SystemDiagnosticViewModel> self(this);
    const auto stale = [&] { return !self || m_generation != generation; };

    const Platform platform = m_platform;
    const std::shared_ptr<const Sleeper> sleeper = m_sleeper;
    QFuture<std::optional<bool>> power = QtConcurrent::run(&m_measurements, readExternalPower, BatteryReader(platform));
    QFuture<ThermalReport> thermal = QtConcurrent::run(&m_measurements, [platform, sleeper] {
        return readThermalReport(platform, *sleeper, thermalRounds, thermalInterval);
    });
    QFuture<ProcessLoadReport> processes = QtConcurrent::run(&m_measurements, [platform, sleeper] {
        return ProcessReader(platform, sleeper).sample(processRounds, processInterval);
    });

    for (const PacedStep &step : steps) {
        if (stale())
            co_return;
        setProgress(step.progress, QString::fromUtf8(step.text));
        co_await m_clock.sleep(step.pause);
    }
    if (stale())
        co_return;

    const std::optional<bool> externalPower = co_await power;
    const ThermalReport thermalReport = co_await thermal;
    const ProcessLoadReport processReport = co_await processes;
    if (stale())
        co_return;

    m_externalPowerConnected = externalPower;
    m_thermalReport = thermalReport;
    m_thermalEvaluation = evaluateThermal(thermalReport.sensors, thermalReport.systemThermalState);
    m_processReport = processReport;
    m_processEvaluation = evaluateProcessLoad(processReport, onBattery());
    emit resultsChanged();

    setProgress(1.0, QStringLiteral("Temperatur- & Systemcheck abgeschlossen"));
    co_await m_clock.sleep(180ms);
    if (stale())
        co_return;
    setPhase(Phase::result);
}

void SystemDiagnosticViewModel::copyTemperatureSummary() const
{
    if (!m_thermalReport)
        return;
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(temperatureSummaryText(*m_thermalReport));
}

void SystemDiagnosticViewModel::copyProcessSummary() const
{
    if (!m_processReport || !m_processEvaluation)
        return;
    QGuiApplication::clipboard()->clear();
    QGuiApplication::clipboard()->setText(processSummaryText(*m_processReport, *m_processEvaluation, onBattery()));
}

void SystemDiagnosticViewModel::setPhase(Phase phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged();
}

void SystemDiagnosticViewModel::setProgress(double progress, const QString &text)
{
    if (m_progress == progress && m_progressText == text)
        return;
    m_progress = progress;
    m_progressText = text;
    emit progressChanged();
}

void SystemDiagnosticViewModel::clearResults()
{
    m_thermalReport.reset();
    m_thermalEvaluation.reset();
    m_processReport.reset();
    m_processEvaluation.reset();
    m_externalPowerConnected.reset();
    emit resultsChanged();
}

QVariant SystemDiagnosticViewModel::thermalReportVariant() const
{
    return m_thermalReport ? QVariant(toVariantMap(*m_thermalReport)) : QVariant();
}

QVariant SystemDiagnosticViewModel::thermalEvaluationVariant() const
{
    return m_thermalEvaluation ? QVariant(toVariantMap(*m_thermalEvaluation)) : QVariant();
}

QVariant SystemDiagnosticViewModel::processReportVariant() const
{
    return m_processReport ? QVariant(toVariantMap(*m_processReport)) : QVariant();
}

QVariant SystemDiagnosticViewModel::processEvaluationVariant() const
{
    return m_processEvaluation ? QVariant(toVariantMap(*m_processEvaluation)) : QVariant();
}

QVariant SystemDiagnosticViewModel::externalPowerConnectedVariant() const
{
    return m_externalPowerConnected ? QVariant(*m_externalPowerConnected) : QVariant();
}
