#include "platform/macos/MacSystemControl.h"

#include <sys/sysctl.h>
#include <sys/types.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

std::optional<QString> MacSystemControl::text(const char *name) const
{
    size_t size = 0;
    if (sysctlbyname(name, nullptr, &size, nullptr, 0) != 0 || size < 1)
        return std::nullopt;
    std::vector<char> buffer(size, '\0');
    if (sysctlbyname(name, buffer.data(), &size, nullptr, 0) != 0)
        return std::nullopt;
    // Stop at the terminating NUL, but never read past the buffer when the
    // kernel handed out none.
    const auto end = std::find(buffer.begin(), buffer.end(), '\0');
    return QString::fromUtf8(buffer.data(), static_cast<qsizetype>(end - buffer.begin()));
}

std::optional<qint64> MacSystemControl::integer(const char *name) const
{
    // Integer values come as 32 or 64 bits; the returned size tells which.
    unsigned char bytes[sizeof(std::int64_t)] = {};
    size_t size = sizeof(bytes);
    if (sysctlbyname(name, bytes, &size, nullptr, 0) != 0)
        return std::nullopt;
    if (size == sizeof(std::int64_t)) {
        std::int64_t value = 0;
        std::memcpy(&value, bytes, sizeof(value));
        return value;
    }
    if (size == sizeof(std::int32_t)) {
        std::int32_t value = 0;
        std::memcpy(&value, bytes, sizeof(value));
        return value;
    }
    return std::nullopt;
}
