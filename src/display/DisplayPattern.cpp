#include "display/DisplayPattern.h"

QString patternName(DisplayPattern pattern)
{
    switch (pattern) {
    case DisplayPattern::white: return QStringLiteral("Weiß");
    case DisplayPattern::black: return QStringLiteral("Schwarz");
    case DisplayPattern::red: return QStringLiteral("Rot");
    case DisplayPattern::green: return QStringLiteral("Grün");
    case DisplayPattern::blue: return QStringLiteral("Blau");
    case DisplayPattern::gray: return QStringLiteral("Grau");
    case DisplayPattern::gradient: return QStringLiteral("Farbverlauf");
    }
    return {};
}

QList<QColor> patternFill(DisplayPattern pattern)
{
    const QColor red(255, 0, 0);
    const QColor green(0, 255, 0);
    const QColor blue(0, 0, 255);
    switch (pattern) {
    case DisplayPattern::white: return {QColor(255, 255, 255)};
    case DisplayPattern::black: return {QColor(0, 0, 0)};
    case DisplayPattern::red: return {red};
    case DisplayPattern::green: return {green};
    case DisplayPattern::blue: return {blue};
    case DisplayPattern::gray: return {QColor(128, 128, 128)};
    case DisplayPattern::gradient:
        return {red, QColor(255, 165, 0), QColor(255, 255, 0), green, blue, QColor(128, 0, 128)};
    }
    return {};
}
