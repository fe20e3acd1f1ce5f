#pragma once

#include "platform/Platform.h"
#include "usbc/USBHardwareReport.h"

#include <QVariantMap>

#include <optional>

// Takes stock of the USB-C hardware before any cable is plugged: the Mac, how
// many ports it should have and which port controllers the registry shows.
// Keeps no state; every read goes to the system afresh and may block.
class USBHardwareInspector
{
public:
    explicit USBHardwareInspector(Platform platform);

    USBHardwareReport makeHardwareReport() const;
    USBMacIdentity readMacIdentity() const;
    // Every service of the port controller classes, once each, in discovery order.
    QList<USBPortDescriptor> discoverPortDescriptors() const;
    int countGenericControllerServices() const;

    // The classes searched for port controllers, in order.
    static const QStringList &portControllerClasses();
    // The report from what was read; the count comes from the model table,
    // else the name rules, else the registry.
    static USBHardwareReport assembleReport(const USBMacIdentity &identity, const QList<USBPortDescriptor> &discovered,
                                            int genericCount);
    static std::optional<int> expectedPortCount(const QString &modelIdentifier, const QString &marketingName);
    static int derivePortCount(const QList<USBPortDescriptor> &discovered, const USBMacIdentity &identity);
    static QList<USBPortDescriptor> selectPortDescriptors(const QList<USBPortDescriptor> &discovered, int expected);
    // The port number among the properties, else fallbackIndex + 10000.
    static qint64 sortHint(const QVariantMap &properties, qint64 fallbackIndex);
    // The identity's fields from the hardware overview's JSON.
    static void applyOverview(USBMacIdentity &identity, const std::optional<QByteArray> &json);
    // Port order: by sort hint, then by registry path.
    static void sortPorts(QList<USBPortDescriptor> &ports);

private:
    Platform m_platform;
};
