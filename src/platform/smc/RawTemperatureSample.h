#pragma once

#include <QString>

// One temperature key's reading of one SMC round.
struct RawTemperatureSample
{
    QString key;
    double temperature = 0;

    friend bool operator==(const RawTemperatureSample &, const RawTemperatureSample &) = default;
};
