#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The "SMART Status" value of `diskutil info` output, trimmed; none without such a line.
std::optional<QString> smartStatusFromDiskutilInfo(const QByteArray &output);

// Runs `diskutil info /`; none when it cannot run, fails or names no status. Blocking.
std::optional<QString> readDiskutilSmartStatus(const QString &executable = QStringLiteral("/usr/sbin/diskutil"));
