#include "display/DisplayDiagnosticViewModel.h"

#include "machine/BatteryReader.h"

#include <QCoro/QCoroFuture>
#include <QGuiApplication>
#include <QScreen>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// Points between the enlarged image and the edges of the screen's free area.
constexpr int patternWindowInset = 14;

QVariantList colourList(const QList<QColor> &colours)
{
    QVariantList list;
    for (const QColor &colour : colours)
        list.append(colour);
    return list;
}

MacBookFamily readFamily(const Platform &platform)
{
    const auto outcome = catchBatteryReadFailure([&] { return BatteryReader(platform).read().family; });
    return outcome.value.value_or(MacBookFamily::unsupported);
}

QScreen *screenFor(QWindow *over)
{
    if (over && over->screen())
        return over->screen();
    if (QScreen *primary = QGuiApplication::primaryScreen())
        return primary;
    const QList<QScreen *> screens = QGuiApplication::screens();
    return screens.isEmpty() ? nullptr : screens.constFirst();
}

} // namespace

DisplayDiagnosticViewModel::DisplayDiagnosticViewModel(Platform platform, Clock &clock, QObject *parent)
    : DiagnosticFlow(clock, QStringLiteral("Testbilder werden vorbereitet …"), parent)
    , m_platform(std::move(platform))
{
}

DisplayDiagnosticViewModel::~DisplayDiagnosticViewModel()
{
    delete m_escapeFilter;
}

DisplayPattern DisplayDiagnosticViewModel::currentPattern() const
{
    return allDisplayPatterns.at(std::clamp(m_index, 0, patternCount() - 1));
}

QVariantList DisplayDiagnosticViewModel::currentPatternFill() const
{
    return colourList(patternFill(currentPattern()));
}

void DisplayDiagnosticViewModel::answer(bool issue)
{
    if (phase() != Phase::testing)
        return;
    if (issue)
        m_issues.append(currentPatternName());
    if (m_index + 1 < patternCount()) {
        ++m_index;
        emit answersChanged();
        return;
    }
    emit answersChanged();
    setPhase(Phase::result);
}

void DisplayDiagnosticViewModel::showPatternWindow(int pattern, QWindow *over)
{
    closePatternWindow();
    if (pattern < 0 || pattern >= patternCount())
        return;
    QScreen *screen = screenFor(over);
    if (!screen)
        return;
    m_patternWindowFrame = QRectF(screen->availableGeometry().adjusted(patternWindowInset, patternWindowInset,
                                                                       -patternWindowInset, -patternWindowInset));
    m_enlarged = allDisplayPatterns.at(pattern);
    m_escapeFilter = new EscapeKeyFilter(this);
    // Closing is left to the event loop: the filter is still inside its
    // delivery when Escape arrives. A later window has a filter of its own.
    const QPointer<EscapeKeyFilter> filter = m_escapeFilter;
    connect(
        m_escapeFilter, &EscapeKeyFilter::escapePressed, this,
        [this, filter] {
            if (filter && filter == m_escapeFilter)
                closePatternWindow();
        },
        Qt::QueuedConnection);
    emit patternWindowChanged();
}

void DisplayDiagnosticViewModel::closePatternWindow()
{
    delete m_escapeFilter;
    if (!m_enlarged)
        return;
    m_enlarged.reset();
    m_patternWindowFrame = {};
    emit patternWindowChanged();
}

QString DisplayDiagnosticViewModel::patternWindowTitle() const
{
    return m_enlarged ? QStringLiteral("Quarzlinde Display Test – ") + patternName(*m_enlarged) : QString();
}

QVariantList DisplayDiagnosticViewModel::patternWindowFill() const
{
    return m_enlarged ? colourList(patternFill(*m_enlarged)) : QVariantList();
}

QCoro::Task<> DisplayDiagnosticViewModel::run(Ticket ticket)
{
    // The read may take seconds on a Mac; it holds its own copy of the
    // platform and starts apart from the co_await (g++ 12 destroys that
    // expression's temporaries twice).
    const QFuture<MacBookFamily> reading = QtConcurrent::run([platform = m_platform] { return readFamily(platform); });
    const MacBookFamily family = co_await reading;
    if (ticket.stale())
        co_return;
    m_family = family;
    m_index = 0;
    m_issues.clear();
    emit answersChanged();
    setPhase(Phase::testing);
}

void DisplayDiagnosticViewModel::clearResults()
{
    closePatternWindow();
    if (m_index == 0 && m_issues.isEmpty())
        return;
    m_index = 0;
    m_issues.clear();
    emit answersChanged();
}
