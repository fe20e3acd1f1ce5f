#pragma once

#include "platform/ExternalPowerSource.h"
#include "platform/PortControllerRegistry.h"

#include <QString>

// The kernel's USB-C ports (/sys/class/typec) as port controller services.
// Linux has one kind of port controller, so every port is listed under the
// first class searched; the USB host controllers and Thunderbolt domains
// stand in for the generic controller classes. A port's entry ID is a hash of
// its device path, stable for as long as the port exists.
class LinuxTypecPorts : public PortControllerRegistry
{
public:
    explicit LinuxTypecPorts(QString root = QStringLiteral("/"));
    QList<RegistryService> services(const QString &className) const override;
    std::optional<RegistrySubtree> subtree(quint64 entryId) const override;

private:
    QString m_root;
};

// The providing power source and the adapter from /sys/class/power_supply.
class LinuxExternalPower : public ExternalPowerSource
{
public:
    explicit LinuxExternalPower(QString root = QStringLiteral("/"));
    std::optional<QString> providingType() const override;
    std::optional<QVariantMap> adapterDetails() const override;

private:
    QString m_root;
};

// 64-bit FNV-1a of the text's UTF-8 bytes.
quint64 stableEntryId(const QString &devicePath);
