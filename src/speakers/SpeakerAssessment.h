#pragma once

#include "ui/VerdictLook.h"

#include <QObject>
#include <QtQmlIntegration/qqmlintegration.h>

#include <optional>

// The user's answer for one speaker. Capitalised for QML.
namespace SpeakerAssessments {
Q_NAMESPACE
QML_NAMED_ELEMENT(SpeakerAssessment)

enum class SpeakerAssessment { Okay, AudioIssue, Silent };
Q_ENUM_NS(SpeakerAssessment)

} // namespace SpeakerAssessments

using SpeakerAssessments::SpeakerAssessment;

// The answer's text, symbol and tint; "Nicht geprüft" in grey for none.
VerdictLook assessmentLook(std::optional<SpeakerAssessment> assessment);

// The verdict over both answers; a silent speaker outweighs any other fault.
struct SpeakerVerdict
{
    Q_GADGET
    QML_VALUE_TYPE(speakerVerdict)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString explanation MEMBER explanation CONSTANT)
    Q_PROPERTY(QString symbol MEMBER symbol CONSTANT)
    Q_PROPERTY(Tints::Tint tint MEMBER tint CONSTANT)

public:
    QString title;
    QString explanation;
    QString symbol;
    Tint tint = Tint::Neutral;
};

bool hasSilentSpeaker(std::optional<SpeakerAssessment> right, std::optional<SpeakerAssessment> left);
// A missing answer counts as neither fault.
bool needsRepair(std::optional<SpeakerAssessment> right, std::optional<SpeakerAssessment> left);
SpeakerVerdict speakerVerdict(std::optional<SpeakerAssessment> right, std::optional<SpeakerAssessment> left);
