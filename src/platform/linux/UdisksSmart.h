#pragma once

#include <QMap>
#include <QString>
#include <QVariantMap>

#include <optional>

// udisks' objects as its object manager lists them: object path, then
// interface name, then that interface's properties.
using UdisksObjects = QMap<QString, QMap<QString, QVariantMap>>;

// "Verified" or "Failing" for the drive behind the block device with that
// device number, from its ATA SMART or NVMe health; none where udisks has not
// read the drive's health or does not know the drive.
std::optional<QString> udisksSmartStatus(const UdisksObjects &objects, quint64 deviceNumber);

// Asks udisks on the system bus. Blocking; none without udisks.
std::optional<QString> readUdisksSmartStatus(quint64 deviceNumber);
