#pragma once

#include "platform/processes/ProcessRowSource.h"

#include <memory>

// The system's process list, handed out as one fresh row source per measurement.
class ProcessTable
{
public:
    virtual ~ProcessTable() = default;
    virtual std::unique_ptr<ProcessRowSource> open() const = 0;
};
