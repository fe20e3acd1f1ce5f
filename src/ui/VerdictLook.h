#pragma once

#include "ui/Tint.h"

#include <QString>

// How a verdict shows on its card: title, symbol and tint.
struct VerdictLook
{
    Q_GADGET
    QML_VALUE_TYPE(verdictLook)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString symbol MEMBER symbol CONSTANT)
    Q_PROPERTY(Tints::Tint tint MEMBER tint CONSTANT)

public:
    QString title;
    QString symbol;
    Tint tint = Tint::Neutral;

    bool operator==(const VerdictLook &) const = default;
};
