#pragma once

#include "app/DiagnosisRoute.h"
#include "battery/BatteryDiagnosticViewModel.h"
#include "platform/Clock.h"
#include "platform/Platform.h"

#include <QObject>
#include <QVariantList>
#include <QVariantMap>

// The window's navigation: owns every module's flow object for the life of
// the window, the route between catalogue and module, the sidebar's step and
// whether the legal sheet is shown.
class AppShell : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString route READ routeName NOTIFY routeChanged)
    Q_PROPERTY(bool showLegalInformation READ showLegalInformation WRITE setShowLegalInformation NOTIFY
                   showLegalInformationChanged)
    Q_PROPERTY(int currentStep READ currentStep NOTIFY currentStepChanged)
    Q_PROPERTY(QVariantList modules READ modules CONSTANT)
    Q_PROPERTY(QVariantMap workshop READ workshop CONSTANT)
    Q_PROPERTY(BatteryDiagnosticViewModel *batteryModel READ batteryModel CONSTANT)

public:
    AppShell(const Platform &platform, Clock &clock, QObject *parent = nullptr);

    DiagnosisRoute route() const { return m_route; }
    // "selection" or the shown module's raw value.
    QString routeName() const;
    bool showLegalInformation() const { return m_showLegalInformation; }
    void setShowLegalInformation(bool shown);
    int currentStep() const { return m_currentStep; }
    QVariantList modules() const;
    QVariantMap workshop() const;
    BatteryDiagnosticViewModel *batteryModel() const { return m_batteryModel; }

    // Resets the module's flow, shows it and starts its check at once.
    void startModule(DiagnosisModule module);
    Q_INVOKABLE void startModule(const QString &rawValue);
    // Leaves the shown module (cancelling its check) for the catalogue.
    Q_INVOKABLE void back();
    Q_INVOKABLE void openLegalInformation() { setShowLegalInformation(true); }

signals:
    void routeChanged();
    void showLegalInformationChanged();
    void currentStepChanged();

private:
    void resetFlow(DiagnosisModule module);
    void startFlow(DiagnosisModule module);
    void setRoute(DiagnosisRoute route);
    void updateCurrentStep();
    int moduleStep(DiagnosisModule module) const;

    BatteryDiagnosticViewModel *m_batteryModel;
    DiagnosisRoute m_route;
    bool m_showLegalInformation = false;
    int m_currentStep = 1;
};
