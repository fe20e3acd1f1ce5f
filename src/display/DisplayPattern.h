#pragma once

#include <QColor>
#include <QList>
#include <QString>

#include <array>

// The test images in the order they are shown.
enum class DisplayPattern { white, black, red, green, blue, gray, gradient };

inline constexpr std::array<DisplayPattern, 7> allDisplayPatterns {
    DisplayPattern::white, DisplayPattern::black, DisplayPattern::red,     DisplayPattern::green,
    DisplayPattern::blue,  DisplayPattern::gray,  DisplayPattern::gradient};

QString patternName(DisplayPattern pattern);
// One colour for a plain fill; the stops, evenly spaced from the leading to
// the trailing edge, for the gradient. Full-strength sRGB primaries, so a
// stuck sub-pixel shows on the plain ones.
QList<QColor> patternFill(DisplayPattern pattern);
