#pragma once

#include "platform/SystemControl.h"

// Values by name from the kernel's sysctl interface.
class MacSystemControl : public SystemControl
{
public:
    std::optional<QString> text(const char *name) const override;
    std::optional<qint64> integer(const char *name) const override;
};
