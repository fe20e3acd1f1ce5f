#pragma once

#include <QByteArray>

#include <optional>

// The hardware and power overview as the system tool's JSON bytes; none when
// the tool failed, timed out or said nothing.
class HardwareOverview
{
public:
    virtual ~HardwareOverview() = default;
    virtual std::optional<QByteArray> json() const = 0;
};
