#pragma once

#include "flow/DiagnosticFlow.h"
#include "media/MediaDiagnosticResult.h"
#include "platform/MediaCapture.h"

#include <memory>
#include <optional>

// The camera and microphone check: the devices run while the user looks and
// speaks; the user's two answers make the verdict. Leaving or finishing
// releases both devices at once.
class MediaDiagnosticViewModel : public DiagnosticFlow
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Flows are made by the shell")
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(bool cameraAvailable READ cameraAvailable NOTIFY devicesChanged)
    Q_PROPERTY(bool cameraPermission READ cameraPermission NOTIFY devicesChanged)
    Q_PROPERTY(bool microphonePermission READ microphonePermission NOTIFY devicesChanged)
    Q_PROPERTY(double microphoneLevel READ microphoneLevel NOTIFY microphoneLevelChanged)
    Q_PROPERTY(bool cameraAnswered READ cameraAnswered NOTIFY answersChanged)
    Q_PROPERTY(bool cameraUserOK READ cameraUserOK NOTIFY answersChanged)
    Q_PROPERTY(bool microphoneAnswered READ microphoneAnswered NOTIFY answersChanged)
    Q_PROPERTY(bool microphoneUserOK READ microphoneUserOK NOTIFY answersChanged)
    Q_PROPERTY(bool hasResult READ hasResult NOTIFY resultsChanged)
    Q_PROPERTY(MediaDiagnosticResult result READ result NOTIFY resultsChanged)

public:
    enum class Phase { start, testing, result, error };
    Q_ENUM(Phase)

    MediaDiagnosticViewModel(std::unique_ptr<MediaCapture> capture, Clock &clock, QObject *parent = nullptr);
    ~MediaDiagnosticViewModel() override;

    Phase phase() const { return static_cast<Phase>(phaseValue()); }
    int sidebarStep() const override;
    bool cameraAvailable() const { return m_cameraAvailable; }
    bool cameraPermission() const { return m_cameraPermission; }
    bool microphonePermission() const { return m_microphonePermission; }
    double microphoneLevel() const { return m_microphoneLevel; }
    bool cameraAnswered() const { return m_cameraUserOK.has_value(); }
    bool cameraUserOK() const { return m_cameraUserOK.value_or(false); }
    bool microphoneAnswered() const { return m_microphoneUserOK.has_value(); }
    bool microphoneUserOK() const { return m_microphoneUserOK.value_or(false); }
    bool hasResult() const { return m_result.has_value(); }
    // Empty without a result.
    MediaDiagnosticResult result() const { return m_result.value_or(MediaDiagnosticResult()); }

    // An answer can be changed until both are given; the second ends the test.
    Q_INVOKABLE void answerCamera(bool ok);
    Q_INVOKABLE void answerMicrophone(bool ok);
    // The screen's VideoOutput, or null when it goes away.
    Q_INVOKABLE void showPreviewIn(QObject *videoOutput);

signals:
    void devicesChanged();
    void microphoneLevelChanged();
    void answersChanged();

private:
    QCoro::Task<> run(Ticket ticket) override;
    void clearResults() override;
    void setPhase(Phase phase) { setPhaseValue(static_cast<int>(phase)); }
    void finishIfComplete();
    void takeLevel(double level);
    void takeMicrophoneFailure(const QString &reason);

    // A child of this flow.
    MediaCapture *m_capture;
    bool m_cameraAvailable = false;
    bool m_cameraPermission = false;
    bool m_microphonePermission = false;
    double m_microphoneLevel = 0.0;
    std::optional<bool> m_cameraUserOK;
    std::optional<bool> m_microphoneUserOK;
    std::optional<MediaDiagnosticResult> m_result;
};
