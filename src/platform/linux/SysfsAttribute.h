#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// At most limit bytes of a regular file; none when it cannot be opened or
// read, or is anything but a regular file. A pipe or device in a tree never
// blocks the read, and a huge file costs no more than the limit.
std::optional<QByteArray> readFileStart(const QString &path, qint64 limit);

// One sysfs attribute without its trailing line break; none when the file is
// missing, unreadable, empty or not text. Any attribute may fail to read at
// any time.
std::optional<QString> readAttribute(const QString &path);
std::optional<qint64> readIntegerAttribute(const QString &path);
