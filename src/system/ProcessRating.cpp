#include "system/ProcessRating.h"

namespace {

// Percent of one core; reaching a limit counts.
struct Limits
{
    double heavyAverage;
    double heavyPeak;
    double elevatedAverage;
    double elevatedPeak;
};

constexpr Limits kernelTask {160, 240, 85, 140};
constexpr Limits systemWithNote {180, 280, 95, 175};
constexpr Limits systemWithoutNote {220, 340, 130, 220};
constexpr Limits otherOnBattery {105, 180, 45, 95};
constexpr Limits otherOnExternalPower {125, 210, 65, 120};

ProcessLoadVerdict rate(const ProcessCPURecord &record, const Limits &limits)
{
    const double average = record.averageCPUPercent;
    const double peak = record.peakCPUPercent;
    if (average >= limits.heavyAverage || peak >= limits.heavyPeak)
        return ProcessLoadVerdict::heavy;
    if (average >= limits.elevatedAverage || peak >= limits.elevatedPeak)
        return ProcessLoadVerdict::elevated;
    return ProcessLoadVerdict::good;
}

} // namespace

ProcessLoadVerdict rateProcess(const ProcessCPURecord &record, bool onBattery)
{
    if (record.name.toLower() == QLatin1String("kernel_task"))
        return rate(record, kernelTask);
    switch (record.origin) {
    case ProcessOrigin::application: return ProcessLoadVerdict::good;
    case ProcessOrigin::appleSystem: return rate(record, record.specialNote ? systemWithNote : systemWithoutNote);
    case ProcessOrigin::helper:
    case ProcessOrigin::background:
    case ProcessOrigin::unknown: break;
    }
    return rate(record, onBattery ? otherOnBattery : otherOnExternalPower);
}
