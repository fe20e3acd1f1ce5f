#pragma once

#include <QString>

#include <optional>

// One sysfs attribute without its trailing line break; none when the file is
// missing, unreadable or empty. Any attribute may fail to read at any time.
std::optional<QString> readAttribute(const QString &path);
std::optional<qint64> readIntegerAttribute(const QString &path);
