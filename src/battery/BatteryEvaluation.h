#pragma once

#include "machine/BatterySnapshot.h"

#include <QObject>
#include <QString>
#include <QStringList>

// A namespace of its own gives the verdict its names at run time.
namespace BatteryVerdicts {
Q_NAMESPACE
enum class BatteryVerdict { good, soon, replace, unavailable };
Q_ENUM_NS(BatteryVerdict)
} // namespace BatteryVerdicts

using BatteryVerdicts::BatteryVerdict;

struct BatteryEvaluation
{
    BatteryVerdict verdict = BatteryVerdict::unavailable;
    QStringList reasons;
    QString explanation;

    bool operator==(const BatteryEvaluation &) const = default;
};

// Rates condition, remaining capacity and cycles; the worst of them decides.
BatteryEvaluation evaluate(const BatterySnapshot &snapshot);
