#pragma once

#include "platform/smc/FanReading.h"
#include "ui/CustomerVerdict.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// One fan check: the verdict and what it was judged from.
struct FanDiagnosticResult
{
    Q_GADGET
    QML_VALUE_TYPE(fanDiagnosticResult)
    Q_PROPERTY(CustomerVerdicts::CustomerVerdict verdict MEMBER verdict CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString explanation MEMBER explanation CONSTANT)
    Q_PROPERTY(QStringList details READ details CONSTANT)
    Q_PROPERTY(bool cleaningRecommended MEMBER cleaningRecommended CONSTANT)
    Q_PROPERTY(QUrl cleaningPage READ cleaningPage CONSTANT)

public:
    CustomerVerdict verdict = CustomerVerdict::Unavailable;
    QString title;
    QString explanation;
    // In the SMC's order.
    QList<FanReading> fans;
    // The highest average of the temperature reading, °C.
    std::optional<double> hottestTemperature;
    bool cleaningRecommended = false;

    QStringList details() const;
    // The same page for every Mac.
    QUrl cleaningPage() const;
    bool operator==(const FanDiagnosticResult &) const = default;
};

// The result card's lines: one per fan, then the warmest sensor, or a note
// that nothing could be read.
QStringList fanDetailLines(const FanDiagnosticResult &result);
