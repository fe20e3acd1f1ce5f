#pragma once

#include <QString>

#include <array>

// The trackpad actions in the order the test asks for them.
enum class TrackpadTestStep { move, primaryClick, secondaryClick, scroll, zoom, complete };

QString stepTitle(TrackpadTestStep step);
QString stepInstruction(TrackpadTestStep step);

// What the trackpad has shown so far, in step order.
struct TrackpadActions
{
    bool pointerMoved = false;
    bool primaryClick = false;
    bool secondaryClick = false;
    bool scrolled = false;
    bool magnified = false;

    std::array<bool, 5> inStepOrder() const
    {
        return {pointerMoved, primaryClick, secondaryClick, scrolled, magnified};
    }
    bool all() const { return pointerMoved && primaryClick && secondaryClick && scrolled && magnified; }
    bool operator==(const TrackpadActions &) const = default;
};

// The first action still missing, in the fixed order, whatever order the user
// went in; complete when none is.
TrackpadTestStep currentTrackpadStep(const TrackpadActions &actions);

// Scrolls of at most this many points, either way, are jitter.
inline constexpr double scrollThreshold = 0.2;
// As is a pinch of at most this magnification.
inline constexpr double magnificationThreshold = 0.002;
