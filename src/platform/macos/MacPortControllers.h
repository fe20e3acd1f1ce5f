#pragma once

#include "platform/ExternalPowerSource.h"
#include "platform/PortControllerRegistry.h"

// The port controller services of the I/O registry, by class.
class MacPortControllers : public PortControllerRegistry
{
public:
    QList<RegistryService> services(const QString &className) const override;
    std::optional<RegistrySubtree> subtree(quint64 entryId) const override;
};

// The power-source information and the external adapter's details.
class MacExternalPower : public ExternalPowerSource
{
public:
    std::optional<QString> providingType() const override;
    std::optional<QVariantMap> adapterDetails() const override;
};
