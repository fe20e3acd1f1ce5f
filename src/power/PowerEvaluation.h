#pragma once

#include "power/PowerSnapshot.h"
#include "ui/CustomerVerdict.h"

#include <QStringList>

// The charger check's rating of one snapshot, in the user's words.
struct PowerEvaluation
{
    CustomerVerdict verdict = CustomerVerdict::Unavailable;
    QString title;
    QString explanation;
    QStringList details;

    bool operator==(const PowerEvaluation &) const = default;
};

PowerEvaluation evaluate(const PowerSnapshot &snapshot);
