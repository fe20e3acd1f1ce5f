#pragma once

#include "platform/ProcessTable.h"

#include <QString>

// The process list from the proc file system below a root directory: each
// process's executable path, resident memory and its CPU share since the
// source's previous round (the first round: since the process started).
class ProcProcessTable : public ProcessTable
{
public:
    explicit ProcProcessTable(QString root = QStringLiteral("/"));
    std::unique_ptr<ProcessRowSource> open() const override;

private:
    QString m_root;
};
