#pragma once

#include "platform/ProcessTable.h"

#include <QString>

// The process list from one ps run per round: every process with the CPU
// share ps reports, resident memory and executable path.
class PsProcessTable : public ProcessTable
{
public:
    explicit PsProcessTable(QString executable = QStringLiteral("/bin/ps"));
    std::unique_ptr<ProcessRowSource> open() const override;

private:
    QString m_executable;
};
