#pragma once

#include <QString>

#include <optional>

// What Linux tells about the machine: DMI on Intel Macs and other PCs, the
// device tree on Apple silicon. Nothing is guessed beyond what they say.
struct LinuxMachineIdentity
{
    std::optional<QString> modelIdentifier; // e.g. "MacBookPro16,1", "Mac14,2"
    std::optional<QString> modelName; // e.g. "MacBook Air"; DMI has none
};

LinuxMachineIdentity readMachineIdentity(const QString &root);
