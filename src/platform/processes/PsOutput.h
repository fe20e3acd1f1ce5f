#pragma once

#include "platform/processes/ProcessRow.h"

#include <QByteArray>
#include <QList>

// The rows of ps output with the columns pid, pcpu, rss and comm and no
// header. Lines that do not parse are left out; output that is not UTF-8
// yields no rows at all.
QList<ProcessRow> parsePsOutput(const QByteArray &output);
