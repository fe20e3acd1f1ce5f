#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Which Mac this is, as far as the USB-C check needs to know.
struct USBMacIdentity
{
    // "hw.model", or "Unbekanntes Mac Modell".
    QString modelIdentifier;
    // The hardware overview's machine name; empty when unknown.
    QString marketingName;
    QString chipName;
    bool isAppleSilicon = false;
    bool isNotebook = false;
    bool operator==(const USBMacIdentity &) const = default;
};

// One port controller service; its entry ID identifies the port throughout
// the check.
struct USBPortDescriptor
{
    quint64 id = 0;
    // The class it was found under.
    QString serviceClass;
    QString registryPath;
    qint64 sortHint = 0;
    // The whole property dictionary as property-list text.
    QString debugSummary;
    bool operator==(const USBPortDescriptor &) const = default;
};

struct USBHardwareReport
{
    USBMacIdentity identity;
    // At least 1.
    int expectedPortCount = 1;
    // Apple silicon: port controllers found; Intel: generic USB/Thunderbolt
    // controllers found.
    int rawControllerCount = 0;
    // In test order, at most expectedPortCount.
    QList<USBPortDescriptor> portDescriptors;
    bool controllerCheckIsConclusive = false;
    bool probableControllerFailure = false;
    QStringList notes;
    bool operator==(const USBHardwareReport &) const = default;
};
