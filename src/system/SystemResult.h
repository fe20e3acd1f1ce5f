#pragma once

#include "machine/ThermalReport.h"
#include "system/ProcessLoadEvaluation.h"
#include "system/ProcessLoadOverview.h"
#include "system/ProcessLoadReport.h"
#include "system/TemperatureOverview.h"
#include "system/ThermalEvaluation.h"
#include "ui/VerdictLook.h"

#include <QUrl>

// Everything the temperature and system result screen shows, decided and
// written out.
struct SystemResult
{
    Q_GADGET
    QML_VALUE_TYPE(systemResult)
    Q_PROPERTY(VerdictLook thermalLook MEMBER thermalLook CONSTANT)
    Q_PROPERTY(QString thermalExplanation MEMBER thermalExplanation CONSTANT)
    Q_PROPERTY(VerdictLook loadLook MEMBER loadLook CONSTANT)
    Q_PROPERTY(QString loadExplanation MEMBER loadExplanation CONSTANT)
    Q_PROPERTY(QUrl cleaningPage MEMBER cleaningPage CONSTANT)
    Q_PROPERTY(bool offersCleaning READ offersCleaning CONSTANT)
    Q_PROPERTY(TemperatureOverview temperatures MEMBER temperatures CONSTANT)
    Q_PROPERTY(ProcessLoadOverview processes MEMBER processes CONSTANT)

public:
    VerdictLook thermalLook;
    QString thermalExplanation;
    VerdictLook loadLook;
    QString loadExplanation;
    // Empty unless the temperatures call for a cleaning.
    QUrl cleaningPage;
    TemperatureOverview temperatures;
    ProcessLoadOverview processes;

    bool offersCleaning() const { return !cleaningPage.isEmpty(); }
    bool operator==(const SystemResult &) const = default;
};

SystemResult systemResult(const ThermalReport &thermalReport, const ThermalEvaluation &thermalEvaluation,
                          const ProcessLoadReport &processReport, const ProcessLoadEvaluation &processEvaluation,
                          bool onBattery);
