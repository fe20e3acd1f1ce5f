#pragma once

#include "flow/DiagnosticFlow.h"
#include "platform/Platform.h"
#include "usbc/USBHardwareReport.h"
#include "usbc/USBPortTestResult.h"
#include "usbc/USBPowerProbe.h"

#include <QSet>
#include <QUrl>
#include <QVariantList>

#include <chrono>
#include <functional>
#include <optional>

// The workshop page for the Mac's ports; the diagnosis page after a probable
// controller failure or for a Mac it cannot place.
QUrl usbRepairPage(const std::optional<USBHardwareReport> &report);

// The guided USB-C check: the controller scan, then port by port the user
// pulls the charger and plugs it into the next port while a monitoring loop
// polls the power sources and the port controllers and attributes the
// charging event to one port. At most one monitoring loop runs; every start,
// port test, mark, finish and reset ends the previous one, and a stale loop
// publishes nothing.
class USBCheckViewModel : public DiagnosticFlow
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Flows are made by the shell")
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(bool hasReport READ hasReport NOTIFY reportChanged)
    Q_PROPERTY(QString machineLabel READ machineLabel NOTIFY reportChanged)
    Q_PROPERTY(int expectedPortCount READ expectedPortCount NOTIFY reportChanged)
    Q_PROPERTY(QStringList reportNotes READ reportNotes NOTIFY reportChanged)
    Q_PROPERTY(QString chipName READ chipName NOTIFY reportChanged)
    Q_PROPERTY(int rawControllerCount READ rawControllerCount NOTIFY reportChanged)
    Q_PROPERTY(PortTestStatus portTestStatus READ portTestStatus NOTIFY portTestStatusChanged)
    Q_PROPERTY(QString portTestStatusName READ portTestStatusName NOTIFY portTestStatusChanged)
    Q_PROPERTY(int secondsRemaining READ secondsRemaining NOTIFY secondsRemainingChanged)
    Q_PROPERTY(double evaluationProgress READ evaluationProgress NOTIFY evaluationProgressChanged)
    Q_PROPERTY(QVariantList portResults READ portResultList NOTIFY resultsChanged)
    Q_PROPERTY(int nextOrdinal READ nextOrdinal NOTIFY resultsChanged)
    Q_PROPERTY(int failedCount READ failedCount NOTIFY resultsChanged)
    Q_PROPERTY(QUrl repairPage READ repairPage NOTIFY reportChanged)

public:
    enum class Phase { intro, controllerScan, controllerFailure, portPreparation, portTesting, evaluating, result };
    Q_ENUM(Phase)
    enum class PortTestStatus {
        waitingForDisconnect,
        ready,
        waitingForConnection,
        checking,
        alreadyTested,
        wrongPowerSource,
        timedOut,
        success
    };
    Q_ENUM(PortTestStatus)

    using TimeSource = std::function<std::chrono::milliseconds()>;

    // now measures the countdown; the steady clock unless a test gives its own.
    USBCheckViewModel(Platform platform, Clock &clock, TimeSource now = {}, QObject *parent = nullptr);
    ~USBCheckViewModel() override;

    Phase phase() const { return static_cast<Phase>(phaseValue()); }
    int sidebarStep() const override;

    const std::optional<USBHardwareReport> &hardwareReport() const { return m_report; }
    bool hasReport() const { return m_report.has_value(); }
    // The machine name, else the model identifier; "MacBook" without a report.
    QString machineLabel() const;
    // 1 without a report.
    int expectedPortCount() const;
    QStringList reportNotes() const;
    QString chipName() const;
    int rawControllerCount() const;
    PortTestStatus portTestStatus() const { return m_status; }
    // The status's key, for the screens.
    QString portTestStatusName() const;
    int secondsRemaining() const { return m_secondsRemaining; }
    double evaluationProgress() const { return m_evaluationProgress; }
    const QList<USBPortTestResult> &portResults() const { return m_results; }
    QVariantList portResultList() const;
    const QSet<quint64> &testedControllerIDs() const { return m_testedIDs; }
    int nextOrdinal() const;
    int failedCount() const;
    QUrl repairPage() const { return usbRepairPage(m_report); }

    Q_INVOKABLE void startPortTests();
    Q_INVOKABLE void beginPortTest();
    Q_INVOKABLE void markPortDefective();

signals:
    void reportChanged();
    void portTestStatusChanged();
    void secondsRemainingChanged();
    void evaluationProgressChanged();

private:
    QCoro::Task<> run(Ticket ticket) override;
    void clearResults() override;
    void setPhase(Phase phase) { setPhaseValue(static_cast<int>(phase)); }
    void setStatus(PortTestStatus status);
    void setSecondsRemaining(int seconds);
    void setEvaluationProgress(double progress);

    QCoro::Task<> monitor(Ticket ticket, quint64 loop);
    QCoro::Task<> advanceLater(Ticket ticket, quint64 loop);
    QCoro::Task<> evaluate(Ticket ticket);
    // Static: once the ticket is stale the flow may be half destroyed, and
    // not even a member call may reach it.
    static bool loopIsCurrent(const Ticket &ticket, const USBCheckViewModel *flow, quint64 loop);
    // Decides after a charging event; true when the port test is over.
    bool decide(const USBPowerSnapshot &snapshot, const QList<USBPortObservation> &observations);
    void record(USBPortTestResult result);
    void cancelMonitoring() { ++m_loop; }
    void advance();
    void finish();

    Platform m_platform;
    TimeSource m_now;
    std::optional<Ticket> m_ticket;
    quint64 m_loop = 0;
    std::optional<USBHardwareReport> m_report;
    QList<USBPortTestResult> m_results;
    QSet<quint64> m_testedIDs;
    PortTestStatus m_status = PortTestStatus::ready;
    int m_secondsRemaining = 25;
    double m_evaluationProgress = 0.0;
};
