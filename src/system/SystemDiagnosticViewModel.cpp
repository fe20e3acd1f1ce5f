#include "system/SystemDiagnosticViewModel.h"

#include "flow/SidebarStep.h"
#include "machine/ThermalSampling.h"
#include "system/ProcessReader.h"
#include "system/ProcessSummaryText.h"
#include "system/TemperatureSummaryText.h"

#include <QClipboard>
#include <QCoro/QCoroFuture>
#include <QGuiApplication>
#include <QtConcurrent/QtConcurrentRun>

#include <array>

using namespace std::chrono_literals;

namespace {

constexpr std::array<PacedStep, 6> steps {{
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

// From the operating system's power source, not the battery: a machine
// without one runs on external power.
std::optional<bool> readExternalPower(const PowerSource &source)
{
    switch (source.providingSource()) {
    case ProvidingPowerSource::ac: return true;
    case ProvidingPowerSource::battery: return false;
    case ProvidingPowerSource::unknown: break;
    }
    return std::nullopt;
}

} // namespace

SystemDiagnosticViewModel::SystemDiagnosticViewModel(Platform platform, Clock &clock,
                                                     std::shared_ptr<const Sleeper> sleeper, QObject *parent)
    : DiagnosticFlow(clock, QStringLiteral("Temperatur- & Systemcheck wird vorbereitet …"), parent)
    , m_platform(std::move(platform))
    , m_sleeper(std::move(sleeper))
{
    m_measurements.setMaxThreadCount(measurementThreads);
}

// The measurements hold copies of what they use. When the application quits
// their pauses and child processes have ended already, so this wait is short.
SystemDiagnosticViewModel::~SystemDiagnosticViewModel()
{
    m_measurements.waitForDone();
}

int SystemDiagnosticViewModel::sidebarStep() const
{
    return checkSidebarStep(phase(), progress(), 0.82);
}

QCoro::Task<> SystemDiagnosticViewModel::run(Ticket ticket)
{
    setProgress(0.03, QStringLiteral("Temperatursensoren werden vorbereitet …"));
    setPhase(Phase::checking);

    const Platform platform = m_platform;
    const std::shared_ptr<const Sleeper> sleeper = m_sleeper;
    QFuture<std::optional<bool>> power =
        QtConcurrent::run(&m_measurements, [platform] { return readExternalPower(*platform.powerSource); });
    QFuture<ThermalReport> thermal = QtConcurrent::run(&m_measurements, [platform, sleeper] {
        return readThermalReport(platform, *sleeper, thermalRounds, thermalInterval);
    });
    QFuture<ProcessLoadReport> processes = QtConcurrent::run(&m_measurements, [platform, sleeper] {
        return ProcessReader(platform, sleeper).sample(processRounds, processInterval);
    });

    if (!co_await walk(steps, ticket))
        co_return;

    const std::optional<bool> externalPower = co_await power;
    const ThermalReport thermalReport = co_await thermal;
    const ProcessLoadReport processReport = co_await processes;
    if (ticket.stale())
        co_return;

    m_externalPowerConnected = externalPower;
    m_thermalReport = thermalReport;
    m_thermalEvaluation = evaluateThermal(thermalReport.sensors, thermalReport.systemThermalState);
    m_processReport = processReport;
    m_processEvaluation = evaluateProcessLoad(processReport, onBattery());
    emit resultsChanged();

    setProgress(1.0, QStringLiteral("Temperatur- & Systemcheck abgeschlossen"));
    if (co_await pause(180ms, ticket))
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

void SystemDiagnosticViewModel::clearResults()
{
    m_thermalReport.reset();
    m_thermalEvaluation.reset();
    m_processReport.reset();
    m_processEvaluation.reset();
    m_externalPowerConnected.reset();
    emit resultsChanged();
}

bool SystemDiagnosticViewModel::hasResult() const
{
    return m_thermalReport && m_thermalEvaluation && m_processReport && m_processEvaluation;
}

SystemResult SystemDiagnosticViewModel::result() const
{
    if (!hasResult())
        return {};
    return systemResult(*m_thermalReport, *m_thermalEvaluation, *m_processReport, *m_processEvaluation, onBattery());
}
