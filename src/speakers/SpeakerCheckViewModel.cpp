#include "speakers/SpeakerCheckViewModel.h"

#include "speakers/QtSpeakerOutput.h"

#include <QMetaEnum>

using namespace std::chrono_literals;

namespace {

const PacedStep evaluationSteps[] = {
    {0.18, "Rechter Lautsprecher wird bewertet …", 520ms},
    {0.43, "Linker Lautsprecher wird bewertet …", 520ms},
    {0.68, "Fehlgeräusche und Stummschaltung werden geprüft …", 520ms},
    {0.88, "Passende Empfehlung wird erstellt …", 520ms},
    {1.0, "Diagnose abgeschlossen", 520ms},
};

QString sideTitle(SpeakerSide side)
{
    return side == SpeakerSide::right ? QStringLiteral("Rechter Lautsprecher") : QStringLiteral("Linker Lautsprecher");
}

} // namespace

SpeakerCheckViewModel::SpeakerCheckViewModel(Platform platform, Clock &clock, std::unique_ptr<SpeakerOutput> output,
                                             QObject *parent)
    : DiagnosticFlow(clock, QStringLiteral("Bereit für die Lautsprecher-Diagnose"), parent)
    , m_platform(std::move(platform))
    // The flow's own clock: leaving wakes the engine's pauses as well.
    , m_engine(output ? std::move(output) : std::make_unique<QtSpeakerOutput>(), this->clock())
    , m_modelInfo(readSpeakerMacModel(*m_platform.systemControl))
{
}

int SpeakerCheckViewModel::sidebarStep() const
{
    switch (phase()) {
    case Phase::evaluating: return 3;
    case Phase::result: return 4;
    default: return 2;
    }
}

QVariantList SpeakerCheckViewModel::assessmentChoices() const
{
    QVariantList choices;
    const QMetaEnum names = QMetaEnum::fromType<SpeakerAssessment>();
    for (const SpeakerAssessment assessment :
         {SpeakerAssessment::Okay, SpeakerAssessment::AudioIssue, SpeakerAssessment::Silent}) {
        const VerdictLook look = assessmentLook(assessment);
        choices << QVariantMap {{QStringLiteral("assessment"), int(assessment)},
                                {QStringLiteral("name"), QString::fromLatin1(names.valueToKey(int(assessment)))},
                                {QStringLiteral("title"), look.title},
                                {QStringLiteral("symbol"), look.symbol},
                                {QStringLiteral("tint"), QVariant::fromValue(look.tint)}};
    }
    return choices;
}

QCoro::Task<> SpeakerCheckViewModel::run(Ticket ticket)
{
    m_run = ticket;
    m_modelInfo = readSpeakerMacModel(*m_platform.systemControl);
    emit modelInfoChanged();
    setPhase(Phase::rightSpeaker);
    setProgress(0.0, QStringLiteral("Rechter Audiokanal wird vorbereitet …"));
    playCurrentChannel(0ms);
    co_return;
}

void SpeakerCheckViewModel::clearResults()
{
    stop();
    setPlayback(false, false);
    if (!m_right && !m_left)
        return;
    m_right.reset();
    m_left.reset();
    emit resultsChanged();
}

void SpeakerCheckViewModel::setPlayback(bool isPlaying, bool awaitingAssessment)
{
    if (m_isPlaying == isPlaying && m_awaitingAssessment == awaitingAssessment)
        return;
    m_isPlaying = isPlaying;
    m_awaitingAssessment = awaitingAssessment;
    emit playbackChanged();
}

void SpeakerCheckViewModel::stop()
{
    ++m_task;
    m_engine.output().stopPlayer();
    m_engine.output().pause();
}

void SpeakerCheckViewModel::playCurrentChannel(std::chrono::milliseconds delay)
{
    if (phase() != Phase::rightSpeaker && phase() != Phase::leftSpeaker)
        return;
    setPlayback(true, false);
    const SpeakerSide side = phase() == Phase::rightSpeaker ? SpeakerSide::right : SpeakerSide::left;
    playChannel(TaskTicket(this, *m_run, ++m_task), side, delay);
}

QCoro::Task<> SpeakerCheckViewModel::playChannel(TaskTicket ticket, SpeakerSide side, std::chrono::milliseconds delay)
{
    if (delay > 0ms) {
        co_await clock().sleep(delay);
        if (ticket.stale())
            co_return;
    }
    // Bound apart from the co_await, whose temporaries g++ 12 destroys twice.
    QCoro::Task<SpeakerAudioEngine::Outcome> playing = m_engine.playTestSequence(
        side, [this](double progress, const QString &text) { setProgress(progress, text); },
        [ticket] { return ticket.stale(); });
    const SpeakerAudioEngine::Outcome outcome = co_await std::move(playing);
    if (ticket.stale() || outcome.cancelled)
        co_return;

    if (outcome.error) {
        setPlayback(false, false);
        setErrorMessage(outcome.error->description());
        setProgress(progress(), QStringLiteral("Audiotest konnte nicht abgeschlossen werden"));
        co_return;
    }
    setPlayback(false, true);
    setProgress(1.0, QStringLiteral("Test des ") + sideTitle(side).toLower() + QStringLiteral(" abgeschlossen"));
}

void SpeakerCheckViewModel::replayCurrentChannel()
{
    if (phase() != Phase::rightSpeaker && phase() != Phase::leftSpeaker)
        return;
    stop();
    setErrorMessage({});
    setProgress(0.0, progressText());
    setPlayback(m_isPlaying, false);
    playCurrentChannel(0ms);
}

void SpeakerCheckViewModel::submitAssessment(SpeakerAssessment assessment)
{
    switch (phase()) {
    case Phase::rightSpeaker:
        m_right = assessment;
        emit resultsChanged();
        setPhase(Phase::leftSpeaker);
        setProgress(0.0, QStringLiteral("Linker Audiokanal wird vorbereitet …"));
        setPlayback(m_isPlaying, false);
        playCurrentChannel(450ms);
        break;
    case Phase::leftSpeaker:
        m_left = assessment;
        emit resultsChanged();
        evaluate();
        break;
    default: break;
    }
}

void SpeakerCheckViewModel::evaluate()
{
    stop();
    setPhase(Phase::evaluating);
    setProgress(0.0, QStringLiteral("Rückmeldungen werden zusammengeführt …"));
    setPlayback(false, false);
    [](SpeakerCheckViewModel *flow, Ticket run) -> QCoro::Task<> {
        if (co_await flow->walk(evaluationSteps, run))
            flow->setPhase(Phase::result);
    }(this, *m_run);
}
