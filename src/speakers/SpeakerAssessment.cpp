#include "speakers/SpeakerAssessment.h"

VerdictLook assessmentLook(std::optional<SpeakerAssessment> assessment)
{
    if (!assessment)
        return {QStringLiteral("Nicht geprüft"), QStringLiteral("questionmark.circle"), Tint::Neutral};
    switch (*assessment) {
    case SpeakerAssessment::Okay:
        return {QStringLiteral("Klang einwandfrei"), QStringLiteral("checkmark.circle.fill"), Tint::Good};
    case SpeakerAssessment::AudioIssue:
        return {QStringLiteral("Audio-Fehler festgestellt"), QStringLiteral("exclamationmark.triangle.fill"),
                Tint::Warning};
    case SpeakerAssessment::Silent: break;
    }
    return {QStringLiteral("Lautsprecher komplett stumm"), QStringLiteral("speaker.slash.fill"), Tint::Problem};
}

bool hasSilentSpeaker(std::optional<SpeakerAssessment> right, std::optional<SpeakerAssessment> left)
{
    return right == SpeakerAssessment::Silent || left == SpeakerAssessment::Silent;
}

bool needsRepair(std::optional<SpeakerAssessment> right, std::optional<SpeakerAssessment> left)
{
    const auto faulty = [](std::optional<SpeakerAssessment> a) {
        return a == SpeakerAssessment::AudioIssue || a == SpeakerAssessment::Silent;
    };
    return faulty(right) || faulty(left);
}

SpeakerVerdict speakerVerdict(std::optional<SpeakerAssessment> right, std::optional<SpeakerAssessment> left)
{
    if (hasSilentSpeaker(right, left)) {
        return {QStringLiteral("Lautsprecher-Reparatur notwendig"),
                QStringLiteral("Mindestens ein Lautsprecher blieb während des vollständigen Tests stumm. Eine "
                               "technische Prüfung und Reparatur ist erforderlich."),
                QStringLiteral("exclamationmark.triangle.fill"), Tint::Problem};
    }
    if (needsRepair(right, left)) {
        return {QStringLiteral("Audio-Fehler festgestellt"),
                QStringLiteral("Mindestens bei einem Lautsprecher wurden Scheppern, Knacken, Aussetzer oder andere "
                               "Fehlgeräusche festgestellt. Eine Reparatur wird empfohlen."),
                QStringLiteral("exclamationmark.triangle.fill"), Tint::Problem};
    }
    return {QStringLiteral("Keine Reparatur notwendig"),
            QStringLiteral("Beide Lautsprecher wurden über verschiedene Frequenzen und Lautstärken geprüft und klangen "
                           "nach deiner Rückmeldung einwandfrei."),
            QStringLiteral("checkmark.circle.fill"), Tint::Good};
}
