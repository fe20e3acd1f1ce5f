#pragma once

#include "platform/PowerSource.h"

#include <QString>

// The providing power source from /sys/class/power_supply: an online adapter
// means AC, and so does having no battery at all.
class LinuxPowerSource : public PowerSource
{
public:
    explicit LinuxPowerSource(QString root = QStringLiteral("/"));
    ProvidingPowerSource providingSource() const override;

private:
    QString m_root;
};
