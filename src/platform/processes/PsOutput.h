#pragma once

#include "platform/processes/ProcessRow.h"

#include <QByteArray>
#include <QList>

// The rows of ps output with the columns pid, pcpu, rss and comm and no
// header, one per line feed. Lines that do not parse, hold a negative value
// or a control character are left out; output that is not UTF-8 yields no
// rows at all.
QList<ProcessRow> parsePsOutput(const QByteArray &output);
