#pragma once

#include <QtGlobal>

#include <optional>

// The operating system's own rating of thermal pressure, numbered like the
// process-information service does: 0 nominal, 1 fair, 2 serious,
// 3 critical. None where the machine offers no such rating.
class ThermalStateSource
{
public:
    virtual ~ThermalStateSource() = default;
    virtual std::optional<qint64> thermalState() const = 0;
};
