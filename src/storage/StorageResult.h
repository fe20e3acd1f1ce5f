#pragma once

#include "storage/StorageEvaluation.h"
#include "storage/StorageSnapshot.h"

#include <QStringList>
#include <QUrl>
#include <QtQmlIntegration/qqmlintegration.h>

// Everything the storage result screen shows, decided and written out.
struct StorageResult
{
    Q_GADGET
    QML_VALUE_TYPE(storageResult)
    Q_PROPERTY(CustomerVerdicts::CustomerVerdict verdict MEMBER verdict CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString explanation MEMBER explanation CONSTANT)
    Q_PROPERTY(QStringList details MEMBER details CONSTANT)
    Q_PROPERTY(QString writeSpeed MEMBER writeSpeed CONSTANT)
    Q_PROPERTY(QString readSpeed MEMBER readSpeed CONSTANT)
    Q_PROPERTY(bool offersDiagnosis READ offersDiagnosis CONSTANT)
    Q_PROPERTY(QUrl diagnosisPage MEMBER diagnosisPage CONSTANT)

public:
    CustomerVerdict verdict = CustomerVerdict::Unavailable;
    QString title;
    QString explanation;
    QStringList details;
    // "2800 MB/s", or "Nicht verfügbar" without a measurement.
    QString writeSpeed;
    QString readSpeed;
    // Empty unless the drive itself looks faulty.
    QUrl diagnosisPage;

    bool offersDiagnosis() const { return !diagnosisPage.isEmpty(); }
    bool operator==(const StorageResult &) const = default;
};

StorageResult storageResult(const StorageSnapshot &snapshot, const StorageEvaluation &evaluation,
                            const QLocale &locale = QLocale());
