#include "input/TrackpadTestStep.h"

QString stepTitle(TrackpadTestStep step)
{
    switch (step) {
    case TrackpadTestStep::move: return QStringLiteral("Zeiger bewegen");
    case TrackpadTestStep::primaryClick: return QStringLiteral("Einmal klicken");
    case TrackpadTestStep::secondaryClick: return QStringLiteral("Sekundärklick");
    case TrackpadTestStep::scroll: return QStringLiteral("Mit zwei Fingern scrollen");
    case TrackpadTestStep::zoom: return QStringLiteral("Mit zwei Fingern zoomen");
    case TrackpadTestStep::complete: return QStringLiteral("Trackpad vollständig geprüft");
    }
    return {};
}

QString stepInstruction(TrackpadTestStep step)
{
    switch (step) {
    case TrackpadTestStep::move: return QStringLiteral("Bewege einen Finger über das Trackpad.");
    case TrackpadTestStep::primaryClick: return QStringLiteral("Drücke das Trackpad einmal normal.");
    case TrackpadTestStep::secondaryClick: return QStringLiteral("Führe einen Rechtsklick bzw. Zwei-Finger-Klick aus.");
    case TrackpadTestStep::scroll: return QStringLiteral("Ziehe zwei Finger gemeinsam nach oben oder unten.");
    case TrackpadTestStep::zoom: return QStringLiteral("Ziehe zwei Finger auseinander und wieder zusammen.");
    case TrackpadTestStep::complete: return QStringLiteral("Alle vorgesehenen Trackpad-Aktionen wurden erkannt.");
    }
    return {};
}

TrackpadTestStep currentTrackpadStep(const TrackpadActions &actions)
{
    const std::array<bool, 5> done = actions.inStepOrder();
    for (std::size_t step = 0; step < done.size(); ++step) {
        if (!done.at(step))
            return static_cast<TrackpadTestStep>(step);
    }
    return TrackpadTestStep::complete;
}
