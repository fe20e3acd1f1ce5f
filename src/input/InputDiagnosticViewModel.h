#pragma once

#include "flow/DiagnosticFlow.h"
#include "input/InputDiagnosticResult.h"
#include "input/TrackpadTestStep.h"
#include "machine/MacBookFamily.h"
#include "platform/Platform.h"

#include <QSet>
#include <QVariantList>

#include <optional>

// The keyboard and trackpad test: keys and trackpad actions accumulate from
// the capture area until the user asks for the evaluation. The Mac's family,
// which picks the repair pages, is read before the test begins.
class InputDiagnosticViewModel : public DiagnosticFlow
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Flows are made by the shell")
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(QVariantList keyRows READ keyRows CONSTANT)
    Q_PROPERTY(QVariantList pressedKeyCodes READ pressedKeyCodeList NOTIFY keysChanged)
    Q_PROPERTY(int recognisedKeyCount READ recognisedKeyCount NOTIFY keysChanged)
    Q_PROPERTY(int expectedKeyCount READ expectedKeyCount CONSTANT)
    Q_PROPERTY(int trackpadStep READ trackpadStepValue NOTIFY trackpadChanged)
    Q_PROPERTY(QString trackpadStepTitle READ trackpadStepTitle NOTIFY trackpadChanged)
    Q_PROPERTY(QString trackpadStepInstruction READ trackpadStepInstruction NOTIFY trackpadChanged)
    Q_PROPERTY(QVariantList trackpadCompleted READ trackpadCompleted NOTIFY trackpadChanged)
    Q_PROPERTY(bool hasResult READ hasResult NOTIFY resultsChanged)
    Q_PROPERTY(InputDiagnosticResult result READ result NOTIFY resultsChanged)

public:
    enum class Phase { start, testing, result };
    Q_ENUM(Phase)

    InputDiagnosticViewModel(Platform platform, Clock &clock, QObject *parent = nullptr);

    Phase phase() const { return static_cast<Phase>(phaseValue()); }
    int sidebarStep() const override { return phase() == Phase::result ? 4 : 2; }
    MacBookFamily family() const { return m_family; }

    const QSet<quint16> &pressedKeyCodes() const { return m_pressed; }
    // Any code, also one outside the layout.
    Q_INVOKABLE void recordKeyCode(int code);
    const TrackpadActions &trackpad() const { return m_trackpad; }
    void markPointerMoved() { mark(&TrackpadActions::pointerMoved); }
    void markPrimaryClick() { mark(&TrackpadActions::primaryClick); }
    void markSecondaryClick() { mark(&TrackpadActions::secondaryClick); }
    void markScrolled() { mark(&TrackpadActions::scrolled); }
    void markMagnified() { mark(&TrackpadActions::magnified); }
    TrackpadTestStep trackpadStep() const { return currentTrackpadStep(m_trackpad); }

    // Counts what was recognised and shows the result; allowed at any time.
    Q_INVOKABLE void finish();
    bool hasResult() const { return m_result.has_value(); }
    // Empty without a result.
    InputDiagnosticResult result() const { return m_result.value_or(InputDiagnosticResult()); }

    static QVariantList keyRows();
    QVariantList pressedKeyCodeList() const;
    int recognisedKeyCount() const;
    static int expectedKeyCount();
    int trackpadStepValue() const { return static_cast<int>(trackpadStep()); }
    QString trackpadStepTitle() const { return stepTitle(trackpadStep()); }
    QString trackpadStepInstruction() const { return stepInstruction(trackpadStep()); }
    QVariantList trackpadCompleted() const;

signals:
    void keysChanged();
    void trackpadChanged();

private:
    QCoro::Task<> run(Ticket ticket) override;
    void clearResults() override;
    void setPhase(Phase phase) { setPhaseValue(static_cast<int>(phase)); }
    void mark(bool TrackpadActions::*action);
    void clearInput();

    Platform m_platform;
    QSet<quint16> m_pressed;
    TrackpadActions m_trackpad;
    std::optional<InputDiagnosticResult> m_result;
    MacBookFamily m_family = MacBookFamily::unsupported;
};
