#include "usbc/USBCheckViewModel.h"

#include "machine/RepairPages.h"
#include "usbc/USBHardwareInspector.h"

#include <QCoro/QCoroFuture>
#include <QMetaEnum>
#include <QtConcurrent/QtConcurrentRun>

using namespace std::chrono_literals;

namespace {

constexpr auto countdown = 25s;
constexpr auto pollPause = 550ms;
constexpr auto settlePause = 650ms;
constexpr auto advancePause = 850ms;
constexpr int evaluationSteps = 20;

std::chrono::milliseconds steadyNow()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

} // namespace

USBCheckViewModel::USBCheckViewModel(Platform platform, Clock &clock, TimeSource now, QObject *parent)
    : DiagnosticFlow(clock, QStringLiteral("USB-C Controller werden geprüft …"), parent)
    , m_platform(std::move(platform))
    , m_now(now ? std::move(now) : TimeSource(steadyNow))
{
}

USBCheckViewModel::~USBCheckViewModel() = default;

int USBCheckViewModel::sidebarStep() const
{
    switch (phase()) {
    case Phase::evaluating: return 3;
    case Phase::result: return 4;
    default: return 2;
    }
}

QString USBCheckViewModel::machineLabel() const
{
    if (!m_report)
        return QStringLiteral("MacBook");
    const USBMacIdentity &identity = m_report->identity;
    return identity.marketingName.isEmpty() ? identity.modelIdentifier : identity.marketingName;
}

int USBCheckViewModel::expectedPortCount() const
{
    return m_report ? m_report->expectedPortCount : 1;
}

QStringList USBCheckViewModel::reportNotes() const
{
    return m_report ? m_report->notes : QStringList();
}

QString USBCheckViewModel::chipName() const
{
    return m_report ? m_report->identity.chipName : QString();
}

int USBCheckViewModel::rawControllerCount() const
{
    return m_report ? m_report->rawControllerCount : 0;
}

QString USBCheckViewModel::portTestStatusName() const
{
    return QString::fromLatin1(QMetaEnum::fromType<PortTestStatus>().valueToKey(static_cast<int>(m_status)));
}

QVariantList USBCheckViewModel::portResultList() const
{
    QVariantList list;
    for (const USBPortTestResult &result : m_results)
        list.append(QVariant::fromValue(result));
    return list;
}

int USBCheckViewModel::nextOrdinal() const
{
    if (!m_report)
        return 1;
    return std::min(m_report->expectedPortCount, static_cast<int>(m_results.size()) + 1);
}

int USBCheckViewModel::failedCount() const
{
    return static_cast<int>(
        std::count_if(m_results.begin(), m_results.end(), [](const USBPortTestResult &r) { return r.failed(); }));
}

QUrl usbRepairPage(const std::optional<USBHardwareReport> &report)
{
    const QString name = report ? report->identity.marketingName.toLower() : QString();
    const QString model = report ? report->identity.modelIdentifier : QString();
    const char *path = "/macbook-diagnose-kostenvoranschlag/";
    if (report && report->probableControllerFailure)
        path = "/macbook-diagnose-kostenvoranschlag/";
    else if (name.contains(QLatin1String("neo")))
        path = "/macbook-neo-usb-c-reparatur/";
    else if (name.contains(QLatin1String("air")) || model.startsWith(QLatin1String("MacBookAir")))
        path = "/macbook-air-usb-c-reparatur/";
    else if (name.contains(QLatin1String("pro")) || model.startsWith(QLatin1String("MacBookPro")))
        path = "/macbook-pro-usb-c-reparatur/";
    else if (model == QLatin1String("MacBook8,1") || model == QLatin1String("MacBook9,1") ||
             model == QLatin1String("MacBook10,1") || name.contains(QLatin1String("12")))
        path = "/macbook-12-zoll-usb-c-anschluss-ladebuchse-reparatur/";
    return sitePage(path);
}

QCoro::Task<> USBCheckViewModel::run(Ticket ticket)
{
    m_ticket = ticket;
    setPhase(Phase::controllerScan);
    if (!co_await pause(settlePause, ticket))
        co_return;

    // The inspection holds its own copy of the platform, so it may outlive
    // this object; it starts apart from its co_await (g++ 12).
    const QFuture<USBHardwareReport> inspecting =
        QtConcurrent::run([platform = m_platform] { return USBHardwareInspector(platform).makeHardwareReport(); });
    const USBHardwareReport report = co_await inspecting;
    if (ticket.stale())
        co_return;
    m_report = report;
    emit reportChanged();

    if (!co_await pause(advancePause, ticket))
        co_return;
    setPhase(report.probableControllerFailure ? Phase::controllerFailure : Phase::portPreparation);
}

void USBCheckViewModel::clearResults()
{
    cancelMonitoring();
    if (m_report) {
        m_report.reset();
        emit reportChanged();
    }
    m_testedIDs.clear();
    if (!m_results.isEmpty()) {
        m_results.clear();
        emit resultsChanged();
    }
    setStatus(PortTestStatus::ready);
    setSecondsRemaining(static_cast<int>(countdown.count()));
    setEvaluationProgress(0.0);
}

void USBCheckViewModel::startPortTests()
{
    if (phase() != Phase::portPreparation)
        return;
    m_testedIDs.clear();
    if (!m_results.isEmpty()) {
        m_results.clear();
        emit resultsChanged();
    }
    setPhase(Phase::portTesting);
    beginPortTest();
}

void USBCheckViewModel::beginPortTest()
{
    if (phase() != Phase::portTesting || !m_ticket || m_ticket->stale())
        return;
    cancelMonitoring();
    setSecondsRemaining(static_cast<int>(countdown.count()));
    setStatus(PortTestStatus::waitingForDisconnect);
    monitor(*m_ticket, m_loop);
}

void USBCheckViewModel::markPortDefective()
{
    if (phase() != Phase::portTesting)
        return;
    cancelMonitoring();
    USBPortTestResult result;
    result.state = USBPortTestResult::State::failed;
    result.note =
        QStringLiteral("Innerhalb des Prüfzeitraums wurde an diesem Anschluss kein USB-C Ladevorgang erkannt.");
    record(result);
    advance();
}

bool USBCheckViewModel::loopIsCurrent(const Ticket &ticket, const USBCheckViewModel *flow, quint64 loop)
{
    return !ticket.stale() && flow->m_loop == loop;
}

QCoro::Task<> USBCheckViewModel::monitor(Ticket ticket, quint64 loop)
{
    std::optional<std::chrono::milliseconds> deadline;
    while (loopIsCurrent(ticket, this, loop)) {
        const QFuture<USBPowerSnapshot> reading =
            QtConcurrent::run([platform = m_platform] { return USBPowerProbe(platform).readPowerSnapshot(); });
        const USBPowerSnapshot snapshot = co_await reading;
        if (!loopIsCurrent(ticket, this, loop))
            co_return;

        // The countdown starts once the cable is out.
        if (!deadline) {
            if (snapshot.externalPowerConnected) {
                setStatus(PortTestStatus::waitingForDisconnect);
            } else {
                setStatus(PortTestStatus::waitingForConnection);
                setSecondsRemaining(static_cast<int>(countdown.count()));
                deadline = m_now() + countdown;
            }
            co_await clock().sleep(pollPause);
            continue;
        }

        if (snapshot.externalPowerConnected) {
            setStatus(PortTestStatus::checking);
            co_await clock().sleep(settlePause);
            if (!loopIsCurrent(ticket, this, loop))
                co_return;
            const QList<USBPortDescriptor> ports = m_report ? m_report->portDescriptors : QList<USBPortDescriptor>();
            const QFuture<QList<USBPortObservation>> observing = QtConcurrent::run(
                [platform = m_platform, ports] { return USBPowerProbe(platform).observePorts(ports); });
            const QList<USBPortObservation> observations = co_await observing;
            if (!loopIsCurrent(ticket, this, loop))
                co_return;
            if (decide(snapshot, observations)) {
                advanceLater(ticket, loop);
                co_return;
            }
            co_await clock().sleep(pollPause);
            continue;
        }

        setStatus(PortTestStatus::waitingForConnection);
        const auto left = *deadline - m_now();
        setSecondsRemaining(static_cast<int>(std::max<qint64>(0, (left.count() + 999) / 1000)));
        if (left <= 0ms) {
            setStatus(PortTestStatus::timedOut);
            co_return;
        }
        co_await clock().sleep(pollPause);
    }
}

bool USBCheckViewModel::decide(const USBPowerSnapshot &snapshot, const QList<USBPortObservation> &observations)
{
    bool anyActive = false;
    for (const USBPortObservation &observation : observations) {
        if (!observation.isActive())
            continue;
        anyActive = true;
        if (m_testedIDs.contains(observation.descriptor.id))
            continue;
        m_testedIDs.insert(observation.descriptor.id);
        setStatus(PortTestStatus::success);
        USBPortTestResult result;
        result.state = USBPortTestResult::State::passed;
        result.controllerID = observation.descriptor.id;
        result.adapterWatts = snapshot.adapterWatts;
        result.note = snapshot.adapterWatts
            ? QStringLiteral("USB-C Power Delivery wurde mit einem %1-W-Netzteil erkannt.").arg(*snapshot.adapterWatts)
            : QStringLiteral("USB-C Power Delivery und externe Stromversorgung wurden erkannt.");
        record(result);
        return true;
    }
    if (anyActive) {
        setStatus(PortTestStatus::alreadyTested);
        return false;
    }
    if (m_report && !m_report->portDescriptors.isEmpty()) {
        setStatus(PortTestStatus::wrongPowerSource);
        return false;
    }
    // Without port controllers (Intel) the charge is seen but not placed.
    setStatus(PortTestStatus::success);
    USBPortTestResult result;
    result.state = USBPortTestResult::State::limited;
    result.adapterWatts = snapshot.adapterWatts;
    result.note = QStringLiteral("Der Ladevorgang wurde erkannt. Dieses Intel-Modell erlaubt macOS jedoch keine "
                                 "eindeutige Zuordnung zum physischen Anschluss.");
    record(result);
    return true;
}

void USBCheckViewModel::record(USBPortTestResult result)
{
    result.id = QUuid::createUuid();
    result.ordinal = nextOrdinal();
    m_results.append(result);
    emit resultsChanged();
}

QCoro::Task<> USBCheckViewModel::advanceLater(Ticket ticket, quint64 loop)
{
    co_await clock().sleep(advancePause);
    if (loopIsCurrent(ticket, this, loop))
        advance();
}

void USBCheckViewModel::advance()
{
    const bool morePorts = m_report ? m_results.size() < m_report->expectedPortCount : m_results.isEmpty();
    if (morePorts)
        beginPortTest();
    else
        finish();
}

void USBCheckViewModel::finish()
{
    cancelMonitoring();
    setPhase(Phase::evaluating);
    setEvaluationProgress(0.0);
    if (m_ticket)
        evaluate(*m_ticket);
}

QCoro::Task<> USBCheckViewModel::evaluate(Ticket ticket)
{
    if (!co_await pause(80ms, ticket))
        co_return;
    for (int step = 1; step <= evaluationSteps; ++step) {
        setEvaluationProgress(double(step) / evaluationSteps);
        if (!co_await pause(step < evaluationSteps ? 80ms : 350ms, ticket))
            co_return;
    }
    setPhase(Phase::result);
}

void USBCheckViewModel::setStatus(PortTestStatus status)
{
    if (m_status == status)
        return;
    m_status = status;
    emit portTestStatusChanged();
}

void USBCheckViewModel::setSecondsRemaining(int seconds)
{
    if (m_secondsRemaining == seconds)
        return;
    m_secondsRemaining = seconds;
    emit secondsRemainingChanged();
}

void USBCheckViewModel::setEvaluationProgress(double progress)
{
    if (m_evaluationProgress == progress)
        return;
    m_evaluationProgress = progress;
    emit evaluationProgressChanged();
}
