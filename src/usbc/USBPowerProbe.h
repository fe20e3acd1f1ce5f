#pragma once

#include "platform/Platform.h"
#include "usbc/USBHardwareReport.h"

#include <QVariantMap>

#include <optional>

// Whether the operating system sees external power, and what the adapter says.
struct USBPowerSnapshot
{
    bool externalPowerConnected = false;
    std::optional<qint64> adapterWatts;
    std::optional<QString> adapterName;
    // The parts read, for diagnosis.
    QString rawDescription;
    bool operator==(const USBPowerSnapshot &) const = default;
};

// What one port's controller shows right now.
struct USBPortObservation
{
    USBPortDescriptor descriptor;
    bool connected = false;
    bool powerDeliveryActive = false;
    bool partnerIdentityVisible = false;

    bool isActive() const { return connected || powerDeliveryActive || partnerIdentityVisible; }
};

// Reads the power sources and looks at the port controllers while the user
// moves the charger. Keeps no state; every call blocks on the system.
class USBPowerProbe
{
public:
    explicit USBPowerProbe(Platform platform);

    USBPowerSnapshot readPowerSnapshot() const;
    // One observation per given port the registry still shows, in port order.
    QList<USBPortObservation> observePorts(const QList<USBPortDescriptor> &ports) const;
    USBPortObservation observePort(const USBPortDescriptor &port) const;

    static USBPowerSnapshot snapshotFrom(const std::optional<QString> &providingType,
                                         const std::optional<QVariantMap> &adapterDetails);
    // None as the tree: the service is gone, nothing shows.
    static USBPortObservation observationFrom(const USBPortDescriptor &port,
                                              const std::optional<RegistrySubtree> &tree);
    static bool propertiesIndicateConnection(const QVariantMap &properties);

private:
    Platform m_platform;
};
