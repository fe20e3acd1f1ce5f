#pragma once

#include "machine/MacBookFamily.h"
#include "ui/CustomerVerdict.h"

#include <QStringList>
#include <QUrl>

// The display check's verdict on the user's answers.
struct DisplayResult
{
    Q_GADGET
    QML_VALUE_TYPE(displayResult)
    Q_PROPERTY(CustomerVerdicts::CustomerVerdict verdict MEMBER verdict CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString text MEMBER text CONSTANT)
    Q_PROPERTY(QStringList details MEMBER details CONSTANT)
    Q_PROPERTY(QUrl repairPage MEMBER repairPage CONSTANT)
    Q_PROPERTY(bool offersRepair READ offersRepair CONSTANT)

public:
    CustomerVerdict verdict = CustomerVerdict::Unavailable;
    QString title;
    QString text;
    QStringList details;
    // Empty when nothing was reported.
    QUrl repairPage;

    bool offersRepair() const { return !repairPage.isEmpty(); }
    bool operator==(const DisplayResult &) const = default;
};

// issues: the names of the images reported as faulty, in answer order.
DisplayResult displayResult(const QStringList &issues, MacBookFamily family);
