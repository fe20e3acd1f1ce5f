#pragma once

#include "platform/processes/ProcessRow.h"

#include <QList>

// Reads the process list once per call. A source may measure CPU shares over
// the time since its previous call, so each measurement reads through its own
// source, from one thread at a time.
class ProcessRowSource
{
public:
    virtual ~ProcessRowSource() = default;
    // Empty when the list could not be read.
    virtual QList<ProcessRow> rows() = 0;
};
