#include "platform/linux/LinuxSystemControl.h"

#include "platform/linux/LinuxMachineIdentity.h"

#include <QSysInfo>

#include <cstring>

LinuxSystemControl::LinuxSystemControl(QString root)
    : m_root(std::move(root))
{
}

std::optional<QString> LinuxSystemControl::text(const char *name) const
{
    if (std::strcmp(name, "hw.model") == 0)
        return readMachineIdentity(m_root).modelIdentifier;
    return std::nullopt;
}

std::optional<qint64> LinuxSystemControl::integer(const char *name) const
{
    if (std::strcmp(name, "hw.optional.arm64") == 0)
        return QSysInfo::currentCpuArchitecture().startsWith(QLatin1String("arm64")) ? 1 : 0;
    return std::nullopt;
}
