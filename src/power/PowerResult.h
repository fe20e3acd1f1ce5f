#pragma once

#include "machine/MacBookFamily.h"
#include "power/PowerEvaluation.h"
#include "power/PowerSnapshot.h"

#include <QUrl>

// Everything the charger result screen shows, decided and written out.
struct PowerResult
{
    Q_GADGET
    QML_VALUE_TYPE(powerResult)
    Q_PROPERTY(CustomerVerdicts::CustomerVerdict verdict MEMBER verdict CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString explanation MEMBER explanation CONSTANT)
    Q_PROPERTY(QStringList details MEMBER details CONSTANT)
    Q_PROPERTY(QString adapterWatts MEMBER adapterWatts CONSTANT)
    Q_PROPERTY(QString charge MEMBER charge CONSTANT)
    Q_PROPERTY(QString source MEMBER source CONSTANT)
    Q_PROPERTY(bool offersRepair READ offersRepair CONSTANT)
    Q_PROPERTY(QUrl usbCRepairPage MEMBER usbCRepairPage CONSTANT)
    Q_PROPERTY(QUrl magSafeRepairPage MEMBER magSafeRepairPage CONSTANT)

public:
    CustomerVerdict verdict = CustomerVerdict::Unavailable;
    QString title;
    QString explanation;
    QStringList details;
    // Empty when the adapter reported no watts: then there is no pill.
    QString adapterWatts;
    QString charge;
    QString source;
    // Empty unless charging looks faulty.
    QUrl usbCRepairPage;
    QUrl magSafeRepairPage;

    bool offersRepair() const { return !usbCRepairPage.isEmpty(); }
    bool operator==(const PowerResult &) const = default;
};

PowerResult powerResult(const PowerSnapshot &snapshot, const PowerEvaluation &evaluation, MacBookFamily family);
