#pragma once

#include "storage/StorageSnapshot.h"
#include "ui/CustomerVerdict.h"

#include <QLocale>
#include <QString>
#include <QStringList>

struct StorageEvaluation
{
    CustomerVerdict verdict = CustomerVerdict::Unavailable;
    QString title;
    QString explanation;
    bool needsHardwareDiagnosis = false;
    bool operator==(const StorageEvaluation &) const = default;
};

// Free space and drive health decide; the speeds are never rated.
StorageEvaluation evaluateStorage(const StorageSnapshot &snapshot);

// A file size in decimal units ("536,87 MB" in German).
QString formatFileSize(qint64 bytes, const QLocale &locale = QLocale());
// Whole megabytes per second: "2800 MB/s".
QString formatMBps(double speed);
// The lines under the result card.
QStringList storageDetailLines(const StorageSnapshot &snapshot, const QLocale &locale = QLocale());
