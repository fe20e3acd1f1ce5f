#pragma once

#include <optional>

// One fan as the SMC reports it; speeds in revolutions per minute.
struct FanReading
{
    int id = 0;
    double actualRPM = 0;
    std::optional<double> minRPM;
    std::optional<double> maxRPM;
    std::optional<double> targetRPM;

    friend bool operator==(const FanReading &, const FanReading &) = default;
};
