#pragma once

#include "machine/BatterySnapshot.h"

#include <QString>
#include <QStringList>

enum class BatteryVerdict { good, soon, replace, unavailable };

struct BatteryEvaluation
{
    BatteryVerdict verdict = BatteryVerdict::unavailable;
    QStringList reasons;
    QString explanation;

    bool operator==(const BatteryEvaluation &) const = default;
};

// Rates condition, remaining capacity and cycles; the worst of them decides.
BatteryEvaluation evaluate(const BatterySnapshot &snapshot);
