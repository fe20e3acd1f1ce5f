#pragma once

#include "platform/HardwareOverview.h"

#include <QString>

// The overview from one run of the system profiler tool (hardware and power
// data types, POSIX locale, 10-second limit).
class ProfilerHardwareOverview : public HardwareOverview
{
public:
    explicit ProfilerHardwareOverview(QString executable = QStringLiteral("/usr/sbin/system_profiler"));
    std::optional<QByteArray> json() const override;

private:
    QString m_executable;
};
