#pragma once

#include "platform/HardwareOverview.h"

#include <QString>

// Linux has no system profiler; the hardware data type is assembled from the
// machine identity so the same merge rules apply.
class LinuxHardwareOverview : public HardwareOverview
{
public:
    explicit LinuxHardwareOverview(QString root = QStringLiteral("/"));
    std::optional<QByteArray> json() const override;

private:
    QString m_root;
};
