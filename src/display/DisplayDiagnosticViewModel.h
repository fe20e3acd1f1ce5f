#pragma once

#include "display/DisplayPattern.h"
#include "display/DisplayResult.h"
#include "display/EscapeKeyFilter.h"
#include "flow/DiagnosticFlow.h"
#include "machine/MacBookFamily.h"
#include "platform/Platform.h"

#include <QPointer>
#include <QRectF>
#include <QVariantList>
#include <QWindow>

// The display check: seven test images, one answer each. The Mac's family,
// which picks the repair page, is read before the first image shows.
// The enlarged image is a window of its own, shown by the screens while
// enlargedPattern is set; it outlives answers and closes with reset.
class DisplayDiagnosticViewModel : public DiagnosticFlow
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Flows are made by the shell")
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(int index READ index NOTIFY answersChanged)
    Q_PROPERTY(int patternCount READ patternCount CONSTANT)
    Q_PROPERTY(QString patternName READ currentPatternName NOTIFY answersChanged)
    Q_PROPERTY(QVariantList patternFill READ currentPatternFill NOTIFY answersChanged)
    Q_PROPERTY(QStringList issues READ issues NOTIFY answersChanged)
    Q_PROPERTY(DisplayResult result READ result NOTIFY answersChanged)
    Q_PROPERTY(bool hasResult READ hasResult NOTIFY phaseChanged)
    Q_PROPERTY(bool patternWindowShown READ patternWindowShown NOTIFY patternWindowChanged)
    Q_PROPERTY(QString patternWindowTitle READ patternWindowTitle NOTIFY patternWindowChanged)
    Q_PROPERTY(QVariantList patternWindowFill READ patternWindowFill NOTIFY patternWindowChanged)
    Q_PROPERTY(QRectF patternWindowFrame READ patternWindowFrame NOTIFY patternWindowChanged)

public:
    enum class Phase { start, testing, result };
    Q_ENUM(Phase)

    DisplayDiagnosticViewModel(Platform platform, Clock &clock, QObject *parent = nullptr);
    ~DisplayDiagnosticViewModel() override;

    Phase phase() const { return static_cast<Phase>(phaseValue()); }
    int sidebarStep() const override { return phase() == Phase::result ? 4 : 2; }
    int index() const { return m_index; }
    static int patternCount() { return static_cast<int>(allDisplayPatterns.size()); }
    DisplayPattern currentPattern() const;
    QString currentPatternName() const { return patternName(currentPattern()); }
    QVariantList currentPatternFill() const;
    QStringList issues() const { return m_issues; }
    MacBookFamily family() const { return m_family; }
    bool hasResult() const { return phase() == Phase::result; }
    DisplayResult result() const { return displayResult(m_issues, m_family); }

    // The user's answer for the current image: true when a flaw is visible.
    Q_INVOKABLE void answer(bool issue);

    // Opens the enlarged image over the available area of the screen `over`
    // is on (else the primary screen), replacing an open one; does nothing
    // without a screen.
    Q_INVOKABLE void showPatternWindow(int pattern, QWindow *over = nullptr);
    Q_INVOKABLE void closePatternWindow();
    bool patternWindowShown() const { return m_enlarged.has_value(); }
    // Of the enlarged image; empty while none is shown.
    QString patternWindowTitle() const;
    QVariantList patternWindowFill() const;
    QRectF patternWindowFrame() const { return m_patternWindowFrame; }

signals:
    void answersChanged();
    void patternWindowChanged();

private:
    QCoro::Task<> run(Ticket ticket) override;
    void clearResults() override;
    void setPhase(Phase phase) { setPhaseValue(static_cast<int>(phase)); }

    Platform m_platform;
    int m_index = 0;
    QStringList m_issues;
    MacBookFamily m_family = MacBookFamily::unsupported;
    std::optional<DisplayPattern> m_enlarged;
    QRectF m_patternWindowFrame;
    QPointer<EscapeKeyFilter> m_escapeFilter;
};
