#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QMutex>
#include <QVariantMap>

#include <memory>
#include <optional>

// A Mac's USB-C side whose cable the test moves: the port controllers in the
// registry, what lies below each, and the power sources. Safe to read from
// the thread pool while the test changes it.
class ScriptedUSBHardware : public PortControllerRegistry, public ExternalPowerSource
{
public:
    struct Port
    {
        quint64 id;
        QString serviceClass;
        QString path;
        QVariantMap properties;
    };

    void addPort(const Port &port);
    void addGenericService(const QString &serviceClass, quint64 id);
    // The port's service disappears from the registry.
    void removePort(quint64 id);

    // No cable anywhere.
    void unplug();
    // A charger in the port; watts none for an adapter that does not say.
    void plugInto(quint64 portId, std::optional<int> watts = 96);
    // A charger on a connector that is no port controller of the report.
    void plugElsewhere(std::optional<int> watts = 140);

    QList<RegistryService> services(const QString &className) const override;
    std::optional<RegistrySubtree> subtree(quint64 entryId) const override;
    std::optional<QString> providingType() const override;
    std::optional<QVariantMap> adapterDetails() const override;

private:
    mutable QMutex m_mutex;
    QList<Port> m_ports;
    QList<std::pair<QString, quint64>> m_generic;
    std::optional<quint64> m_chargingPort;
    bool m_powered = false;
    std::optional<int> m_watts;
};

struct USBMachine
{
    std::shared_ptr<ScriptedUSBHardware> hardware;
    Platform platform;
};

namespace USBMachines {
// MacBookPro18,3: three USB-C ports numbered 1 to 3, found in the registry
// out of order, and a MagSafe port; the charger starts plugged into port 1.
USBMachine appleSiliconPro();
// The same Mac with port 2 missing from the registry, and no MagSafe port
// (which would stand in for it).
USBMachine appleSiliconProMissingPort();
// MacBookPro16,1 on Intel: four ports, no per-port controllers, the charger
// plugged in.
USBMachine intelPro();
// Neither model, name nor any controller.
USBMachine unknownMachine();
// The entry IDs of appleSiliconPro's ports by port number 1 to 3.
quint64 portId(int number);
} // namespace USBMachines
