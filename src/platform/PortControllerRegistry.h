#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

// One service of the port controllers' registry as a class search finds it.
struct RegistryService
{
    quint64 entryId = 0;
    // In the service plane; none when it cannot be read.
    std::optional<QString> path;
    // Empty when they cannot be read.
    QVariantMap properties;
};

// A service below a port controller: its class and its properties (empty
// when unreadable).
struct RegistryNode
{
    QString className;
    QVariantMap properties;
};

// A port controller as it stands now: its own properties and every service
// below it, depth first.
struct RegistrySubtree
{
    QVariantMap properties;
    QList<RegistryNode> descendants;
};

// The services that drive the USB-C ports and the USB/Thunderbolt
// controllers, by class name. Services whose entry ID cannot be read are left
// out. Every call reads the registry afresh.
class PortControllerRegistry
{
public:
    virtual ~PortControllerRegistry() = default;
    virtual QList<RegistryService> services(const QString &className) const = 0;
    // None when no service has that entry ID any more.
    virtual std::optional<RegistrySubtree> subtree(quint64 entryId) const = 0;
};
