#include "platform/linux/LinuxSmcTransport.h"

#include "platform/linux/ApplesmcRootSession.h"
#include "platform/linux/ApplesmcSensorKeys.h"
#include "platform/linux/MacsmcHwmonKeys.h"
#include "platform/linux/SysfsAttribute.h"
#include "platform/smc/SmcKeyTable.h"

#include <QDir>

#include <unistd.h>

namespace {

std::optional<QString> macsmcHwmonDirectory(const QString &root)
{
    const QDir hwmon(QDir(root).filePath(QStringLiteral("sys/class/hwmon")));
    for (const QString &name : hwmon.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (readAttribute(hwmon.filePath(name + QStringLiteral("/name"))) == QStringLiteral("macsmc_hwmon"))
            return hwmon.filePath(name);
    }
    return std::nullopt;
}

} // namespace

LinuxSmcTransport::LinuxSmcTransport(QString root, bool maySelectKeys)
    : m_root(std::move(root))
    , m_maySelectKeys(maySelectKeys)
{
}

bool LinuxSmcTransport::isRoot()
{
    return ::geteuid() == 0;
}

std::unique_ptr<SmcSession> LinuxSmcTransport::openSession() const
{
    const QString applesmc = QDir(m_root).filePath(QStringLiteral("sys/devices/platform/applesmc.768"));
    if (readAttribute(applesmc + QStringLiteral("/name")) == QStringLiteral("applesmc")) {
        if (m_maySelectKeys) {
            if (auto files = openApplesmcKeyFiles(applesmc))
                return std::make_unique<ApplesmcRootSession>(std::move(files));
        }
        return std::make_unique<SmcKeyTable>(applesmcSensorKeys(applesmc));
    }
    if (const auto hwmon = macsmcHwmonDirectory(m_root))
        return std::make_unique<SmcKeyTable>(macsmcHwmonKeys(*hwmon));
    return nullptr;
}
