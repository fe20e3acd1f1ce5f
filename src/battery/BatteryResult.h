#pragma once

#include "battery/BatteryEvaluation.h"
#include "battery/BatteryMetrics.h"
#include "machine/BatterySnapshot.h"
#include "ui/VerdictLook.h"

#include <QUrl>

// Everything the battery result screen shows, decided and written out.
struct BatteryResult
{
    Q_GADGET
    QML_VALUE_TYPE(batteryResult)
    Q_PROPERTY(QString subtitle MEMBER subtitle CONSTANT)
    Q_PROPERTY(VerdictLook look MEMBER look CONSTANT)
    Q_PROPERTY(QString explanation MEMBER explanation CONSTANT)
    Q_PROPERTY(BatteryMetrics metrics MEMBER metrics CONSTANT)
    Q_PROPERTY(QUrl repairPage MEMBER repairPage CONSTANT)
    Q_PROPERTY(bool offersRepair READ offersRepair CONSTANT)

public:
    // The family's name and the model identifier.
    QString subtitle;
    VerdictLook look;
    QString explanation;
    BatteryMetrics metrics;
    // Empty unless a replacement is due and the family has a battery page.
    QUrl repairPage;

    bool offersRepair() const { return !repairPage.isEmpty(); }
    bool operator==(const BatteryResult &) const = default;
};

BatteryResult batteryResult(const BatterySnapshot &snapshot, const BatteryEvaluation &evaluation);
