#pragma once

#include <QString>

#include <optional>

// Named system control values ("hw.model", "hw.optional.arm64").
class SystemControl
{
public:
    virtual ~SystemControl() = default;
    virtual std::optional<QString> text(const char *name) const = 0;
    virtual std::optional<qint64> integer(const char *name) const = 0;
};
