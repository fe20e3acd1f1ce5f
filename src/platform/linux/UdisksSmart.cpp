#include "platform/linux/UdisksSmart.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QStringList>

namespace {

const QString blockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString ataInterface = QStringLiteral("org.freedesktop.UDisks2.Drive.Ata");
const QString nvmeInterface = QStringLiteral("org.freedesktop.UDisks2.NVMe.Controller");

// Object paths arrive as D-Bus object paths; tests may hand plain strings.
std::optional<QString> objectPath(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    if (value.metaType() == QMetaType::fromType<QString>())
        return value.toString();
    return std::nullopt;
}

std::optional<bool> flag(const QVariantMap &properties, const QString &key)
{
    const QVariant value = properties.value(key);
    if (value.metaType() != QMetaType::fromType<bool>())
        return std::nullopt;
    return value.toBool();
}

std::optional<quint64> unsignedNumber(const QVariantMap &properties, const QString &key)
{
    const QVariant value = properties.value(key);
    if (value.metaType() != QMetaType::fromType<qulonglong>())
        return std::nullopt;
    return value.toULongLong();
}

// The drive of a block device; an encrypted volume leads to the device it is opened from.
std::optional<QString> driveOf(const UdisksObjects &objects, const QString &blockPath)
{
    QString path = blockPath;
    for (int depth = 0; depth < 4; ++depth) {
        const QVariantMap block = objects.value(path).value(blockInterface);
        const std::optional<QString> drive = objectPath(block.value(QStringLiteral("Drive")));
        if (drive && *drive != QLatin1String("/"))
            return drive;
        const std::optional<QString> backing = objectPath(block.value(QStringLiteral("CryptoBackingDevice")));
        if (!backing || *backing == QLatin1String("/"))
            return std::nullopt;
        path = *backing;
    }
    return std::nullopt;
}

std::optional<QString> ataStatus(const QVariantMap &ata)
{
    if (flag(ata, QStringLiteral("SmartSupported")) != true || flag(ata, QStringLiteral("SmartEnabled")) != true)
        return std::nullopt;
    // Never read: udisks knows nothing of the drive's health yet.
    if (unsignedNumber(ata, QStringLiteral("SmartUpdated")).value_or(0) == 0)
        return std::nullopt;
    const std::optional<bool> failing = flag(ata, QStringLiteral("SmartFailing"));
    if (!failing)
        return std::nullopt;
    return *failing ? QStringLiteral("Failing") : QStringLiteral("Verified");
}

std::optional<QString> nvmeStatus(const QVariantMap &nvme)
{
    if (unsignedNumber(nvme, QStringLiteral("SmartUpdated")).value_or(0) == 0)
        return std::nullopt;
    const QVariant warnings = nvme.value(QStringLiteral("SmartCriticalWarning"));
    if (warnings.metaType() != QMetaType::fromType<QStringList>())
        return std::nullopt;
    // A drive running hot is a passing state, not worn-out storage.
    for (const QString &warning : warnings.toStringList()) {
        if (warning != QLatin1String("temperature"))
            return QStringLiteral("Failing");
    }
    return QStringLiteral("Verified");
}

UdisksObjects demarshal(const QDBusArgument &argument)
{
    UdisksObjects objects;
    argument.beginMap();
    while (!argument.atEnd()) {
        QDBusObjectPath path;
        QMap<QString, QVariantMap> interfaces;
        argument.beginMapEntry();
        argument >> path;
        argument.beginMap();
        while (!argument.atEnd()) {
            QString name;
            QVariantMap properties;
            argument.beginMapEntry();
            argument >> name >> properties;
            argument.endMapEntry();
            interfaces.insert(name, properties);
        }
        argument.endMap();
        argument.endMapEntry();
        objects.insert(path.path(), interfaces);
    }
    argument.endMap();
    return objects;
}

} // namespace

std::optional<QString> udisksSmartStatus(const UdisksObjects &objects, quint64 deviceNumber)
{
    for (auto object = objects.cbegin(); object != objects.cend(); ++object) {
        const auto block = object.value().constFind(blockInterface);
        if (block == object.value().cend() ||
            unsignedNumber(*block, QStringLiteral("DeviceNumber")) != std::optional(deviceNumber))
            continue;
        const std::optional<QString> drive = driveOf(objects, object.key());
        if (!drive)
            return std::nullopt;
        const QMap<QString, QVariantMap> driveInterfaces = objects.value(*drive);
        if (driveInterfaces.contains(ataInterface))
            return ataStatus(driveInterfaces.value(ataInterface));
        if (driveInterfaces.contains(nvmeInterface))
            return nvmeStatus(driveInterfaces.value(nvmeInterface));
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> readUdisksSmartStatus(quint64 deviceNumber)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return std::nullopt;
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.UDisks2"), QStringLiteral("/org/freedesktop/UDisks2"),
        QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("GetManagedObjects"));
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    const QVariant first = reply.arguments().constFirst();
    if (first.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument argument = first.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("a{oa{sa{sv}}}"))
        return std::nullopt;
    return udisksSmartStatus(demarshal(argument), deviceNumber);
}
