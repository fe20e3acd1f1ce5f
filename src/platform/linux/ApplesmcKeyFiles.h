#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

// The applesmc files that select one key by index and describe it. The
// selection is a single index shared by every process on the machine.
class ApplesmcKeyFiles
{
public:
    virtual ~ApplesmcKeyFiles() = default;
    // Moves the driver's index; false when the driver refuses it.
    virtual bool select(std::uint32_t index) = 0;
    // The raw content of key_count or one of the key_at_index files.
    virtual std::optional<QByteArray> read(const char *attribute) = 0;
};

// The real files in the driver's directory. None unless key_at_index opens
// for writing, which only root may do; it is the one file ever written.
std::unique_ptr<ApplesmcKeyFiles> openApplesmcKeyFiles(const QString &deviceDirectory);
