#include "platform/linux/LinuxTypecPorts.h"

#include "platform/linux/LinuxPowerSource.h"
#include "platform/linux/PowerSupplies.h"
#include "platform/linux/SysfsAttribute.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

struct TypecPort
{
    QString directory; // below /sys/class/typec
    QString devicePath; // without the root
    int number;
};

// "[source] sink" names the current role in brackets; a fixed role stands alone.
QString currentChoice(const QString &attribute)
{
    static const QRegularExpression bracketed(QStringLiteral("\\[([^\\]]*)\\]"));
    const QRegularExpressionMatch match = bracketed.match(attribute);
    return match.hasMatch() ? match.captured(1) : attribute.trimmed();
}

QString withoutRoot(const QString &root, const QString &path)
{
    const QString base = QDir(root).canonicalPath();
    if (base != QLatin1String("/") && path.startsWith(base))
        return path.mid(base.size());
    return path;
}

QList<TypecPort> typecPorts(const QString &root)
{
    static const QRegularExpression portName(QStringLiteral("^port(\\d+)$"));
    const QDir classDir(QDir(root).filePath(QStringLiteral("sys/class/typec")));
    QList<TypecPort> ports;
    for (const QString &name : classDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QRegularExpressionMatch match = portName.match(name);
        if (!match.hasMatch())
            continue;
        const QString directory = classDir.filePath(name);
        ports.append(
            {directory, withoutRoot(root, QFileInfo(directory).canonicalFilePath()), match.captured(1).toInt()});
    }
    // In port order, not in the order the names sort as text.
    std::sort(ports.begin(), ports.end(), [](const TypecPort &a, const TypecPort &b) { return a.number < b.number; });
    return ports;
}

std::optional<QString> attribute(const QString &directory, const char *name)
{
    return readAttribute(directory + QLatin1Char('/') + QLatin1String(name));
}

QString partnerDirectory(const TypecPort &port)
{
    return port.directory + QLatin1String("-partner");
}

bool hasPartner(const TypecPort &port)
{
    return QFileInfo(partnerDirectory(port)).isDir();
}

QVariantMap portProperties(const TypecPort &port)
{
    QVariantMap properties {
        {QStringLiteral("PortNumber"), qint64(port.number)},
        {QStringLiteral("PortDescription"), QStringLiteral("Port-USB-C@%1").arg(port.number)},
        {QStringLiteral("PortTypeDescription"), QStringLiteral("USB-C")},
        {QStringLiteral("PartnerPresent"), hasPartner(port)},
    };
    const std::pair<const char *, const char *> roles[] = {
        {"power_role", "PowerRole"},
        {"data_role", "DataRole"},
        {"port_type", "PortType"},
        {"power_operation_mode", "PowerOperationMode"},
    };
    for (const auto &[file, key] : roles) {
        if (const auto value = attribute(port.directory, file))
            properties.insert(QLatin1String(key), currentChoice(*value));
    }
    return properties;
}

// The device that owns the named bus entries: USB root hubs hang below their
// host controller, which serves both of its hubs (USB 2 and 3).
QSet<QString> parentDevices(const QString &root, const QString &busDirectory, const QRegularExpression &entry)
{
    const QDir bus(QDir(root).filePath(busDirectory));
    QSet<QString> parents;
    for (const QString &name : bus.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        if (!entry.match(name).hasMatch())
            continue;
        const QString device = QFileInfo(bus.filePath(name)).canonicalFilePath();
        if (!device.isEmpty())
            parents.insert(withoutRoot(root, QFileInfo(device).absolutePath()));
    }
    return parents;
}

QList<RegistryService> controllerServices(const QSet<QString> &devices)
{
    QList<RegistryService> services;
    for (const QString &device : devices)
        services.append({stableEntryId(device), device, {}});
    return services;
}

} // namespace

quint64 stableEntryId(const QString &devicePath)
{
    quint64 hash = 0xcbf29ce484222325ULL;
    for (const char byte : devicePath.toUtf8()) {
        hash ^= static_cast<uchar>(byte);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

LinuxTypecPorts::LinuxTypecPorts(QString root)
    : m_root(std::move(root))
{
}

QList<RegistryService> LinuxTypecPorts::services(const QString &className) const
{
    if (className == QLatin1String("AppleHPMInterfaceType10")) {
        QList<RegistryService> services;
        for (const TypecPort &port : typecPorts(m_root))
            services.append({stableEntryId(port.devicePath), port.devicePath, portProperties(port)});
        return services;
    }
    if (className == QLatin1String("AppleUSBXHCI")) {
        static const QRegularExpression rootHub(QStringLiteral("^usb\\d+$"));
        return controllerServices(parentDevices(m_root, QStringLiteral("sys/bus/usb/devices"), rootHub));
    }
    if (className == QLatin1String("AppleThunderboltNHI")) {
        static const QRegularExpression domain(QStringLiteral("^domain\\d+$"));
        return controllerServices(parentDevices(m_root, QStringLiteral("sys/bus/thunderbolt/devices"), domain));
    }
    return {};
}

std::optional<RegistrySubtree> LinuxTypecPorts::subtree(quint64 entryId) const
{
    for (const TypecPort &port : typecPorts(m_root)) {
        if (stableEntryId(port.devicePath) != entryId)
            continue;
        RegistrySubtree tree {portProperties(port), {}};
        if (!hasPartner(port))
            return tree;
        const QString partner = partnerDirectory(port);
        QVariantMap partnerProperties;
        for (const auto &[file, key] :
             {std::pair {"type", "PartnerType"}, std::pair {"usb_power_delivery_revision", "PowerDeliveryRevision"},
              std::pair {"accessory_mode", "AccessoryMode"}}) {
            if (const auto value = attribute(partner, file))
                partnerProperties.insert(QLatin1String(key), *value);
        }
        // A partner that speaks Power Delivery shows its identity, as the
        // SOP component does on a Mac.
        const bool speaksPd = attribute(partner, "supports_usb_power_delivery") == QStringLiteral("yes");
        tree.descendants.append(
            {speaksPd ? QStringLiteral("IOPortTransportComponentCCUSBPDSOP") : QStringLiteral("IOPortTransportStateCC"),
             partnerProperties});
        // The machine takes power from this partner.
        if (tree.properties.value(QStringLiteral("PowerRole")) == QStringLiteral("sink"))
            tree.descendants.append({QStringLiteral("IOPortFeaturePowerSource"),
                                     {{QStringLiteral("PowerOperationMode"),
                                       tree.properties.value(QStringLiteral("PowerOperationMode"))}}});
        return tree;
    }
    return std::nullopt;
}

LinuxExternalPower::LinuxExternalPower(QString root)
    : m_root(std::move(root))
{
}

std::optional<QString> LinuxExternalPower::providingType() const
{
    switch (LinuxPowerSource(m_root).providingSource()) {
    case ProvidingPowerSource::ac: return QStringLiteral("AC Power");
    case ProvidingPowerSource::battery: return QStringLiteral("Battery Power");
    case ProvidingPowerSource::unknown: return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QVariantMap> LinuxExternalPower::adapterDetails() const
{
    const auto supplies = powerSupplies(m_root);
    return supplies ? ::adapterDetails(*supplies) : std::nullopt;
}
