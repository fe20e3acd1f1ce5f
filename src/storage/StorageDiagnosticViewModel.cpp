#include "storage/StorageDiagnosticViewModel.h"

#include "flow/SidebarStep.h"

#include <QCoreApplication>
#include <QCoro/QCoroFuture>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

using namespace std::chrono_literals;

namespace {

constexpr auto minimumVisibility = 5500ms;

} // namespace

StorageDiagnosticViewModel::StorageDiagnosticViewModel(Platform platform, Clock &clock,
                                                       std::optional<qint64> testFileBytes, QObject *parent)
    : DiagnosticFlow(clock, QStringLiteral("Speicher wird vorbereitet …"), parent)
    , m_platform(std::move(platform))
    , m_testFileBytes(testFileBytes)
{
}

StorageDiagnosticViewModel::~StorageDiagnosticViewModel()
{
    stopSpeedTest();
}

int StorageDiagnosticViewModel::sidebarStep() const
{
    // Checking is the evaluation step from its first moment.
    return checkSidebarStep(phase(), progress(), 0.0);
}

StorageResult StorageDiagnosticViewModel::result() const
{
    return hasResult() ? storageResult(*m_snapshot, *m_evaluation) : StorageResult();
}

QCoro::Task<> StorageDiagnosticViewModel::run(Ticket ticket)
{
    setPhase(Phase::checking);
    setProgress(0.03, QStringLiteral("Speicher wird vorbereitet …"));
    // Runs alongside the measurement; the result waits for whatever is left of it.
    QCoro::Task<> shownLongEnough = clock().sleep(minimumVisibility);

    const auto cancelled = std::make_shared<std::atomic<bool>>(false);
    m_cancelled = cancelled;
    // Updates cross to this thread as queued calls and find the flow only if
    // it is still there and the run still current.
    const QPointer<StorageDiagnosticViewModel> self(this);
    const StorageUpdateSink sink = [self, ticket](const StorageBenchmarkUpdate &update) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, ticket, update] {
                if (self && !ticket.stale())
                    self->apply(update);
            },
            Qt::QueuedConnection);
    };
    const std::shared_ptr<const StorageDevice> device = m_platform.storage;
    const std::optional<qint64> fileBytes = m_testFileBytes;
    const QFuture<StorageSnapshotOutcome> reading = QtConcurrent::run([device, sink, cancelled, fileBytes] {
        if (!device)
            return StorageSnapshotOutcome {std::nullopt, StorageBenchmarkError::couldNotOpen};
        SpeedTestSettings settings;
        settings.fileBytes = fileBytes;
        settings.cancelled = cancelled.get();
        return readStorageSnapshot(*device, sink, settings);
    });
    const StorageSnapshotOutcome outcome = co_await reading;
    if (ticket.stale())
        co_return;
    m_cancelled.reset();

    if (outcome.error || !outcome.snapshot) {
        const StorageBenchmarkError error = outcome.error.value_or(StorageBenchmarkError::readFailed);
        setErrorMessage(storageBenchmarkErrorDescription(error));
        setPhase(Phase::error);
        co_return;
    }

    const StorageEvaluation evaluation = evaluateStorage(*outcome.snapshot);
    if (!shownLongEnough.isReady()) {
        setProgress(0.94, QStringLiteral("Ergebnis wird vorbereitet …"));
        co_await shownLongEnough;
        if (ticket.stale())
            co_return;
    }

    setProgress(1.0, progressText());
    m_snapshot = outcome.snapshot;
    m_evaluation = evaluation;
    setSpeeds(outcome.snapshot->writeMBps, outcome.snapshot->readMBps);
    emit resultsChanged();
    setPhase(Phase::result);
}

void StorageDiagnosticViewModel::apply(const StorageBenchmarkUpdate &update)
{
    setProgress(update.progress, update.text);
    setSpeeds(update.writeMBps, update.readMBps);
}

void StorageDiagnosticViewModel::setSpeeds(std::optional<double> write, std::optional<double> read)
{
    if (m_currentWrite == write && m_currentRead == read)
        return;
    m_currentWrite = write;
    m_currentRead = read;
    emit speedsChanged();
}

void StorageDiagnosticViewModel::stopSpeedTest()
{
    if (m_cancelled)
        m_cancelled->store(true);
    m_cancelled.reset();
}

void StorageDiagnosticViewModel::clearResults()
{
    stopSpeedTest();
    setSpeeds(std::nullopt, std::nullopt);
    if (!m_snapshot && !m_evaluation)
        return;
    m_snapshot.reset();
    m_evaluation.reset();
    emit resultsChanged();
}
