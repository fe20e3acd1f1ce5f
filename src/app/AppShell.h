#pragma once

#include "app/DiagnosisRoute.h"
#include "flow/Clock.h"
#include "flow/DiagnosticFlow.h"
#include "platform/Platform.h"
#include "platform/Sleeper.h"

#include <QObject>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>

#include <map>
#include <memory>

// The window's navigation: owns every module's flow object for the life of
// the window, the route between catalogue and module, the sidebar's step and
// whether the legal sheet is shown. Modules are driven through one table of
// flows and root screens.
class AppShell : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The shell is made by the application")
    Q_PROPERTY(QString route READ routeName NOTIFY routeChanged)
    Q_PROPERTY(bool showLegalInformation READ showLegalInformation WRITE setShowLegalInformation NOTIFY
                   showLegalInformationChanged)
    Q_PROPERTY(int currentStep READ currentStep NOTIFY currentStepChanged)
    Q_PROPERTY(QVariantList modules READ modules CONSTANT)
    Q_PROPERTY(QVariantMap workshop READ workshop CONSTANT)
    Q_PROPERTY(DiagnosticFlow *batteryModel READ batteryModel CONSTANT)
    Q_PROPERTY(DiagnosticFlow *systemModel READ systemModel CONSTANT)
    Q_PROPERTY(DiagnosticFlow *powerModel READ powerModel CONSTANT)
    Q_PROPERTY(DiagnosticFlow *fanModel READ fanModel CONSTANT)
    Q_PROPERTY(DiagnosticFlow *usbModel READ usbModel CONSTANT)
    Q_PROPERTY(DiagnosticFlow *speakerModel READ speakerModel CONSTANT)
    Q_PROPERTY(DiagnosticFlow *displayModel READ displayModel CONSTANT)
    Q_PROPERTY(DiagnosticFlow *inputModel READ inputModel CONSTANT)
    Q_PROPERTY(DiagnosticFlow *mediaModel READ mediaModel CONSTANT)
    Q_PROPERTY(DiagnosticFlow *storageModel READ storageModel CONSTANT)

public:
    // Registers every module the product has (see ModuleRegistry.cpp).
    AppShell(const Platform &platform, Clock &clock, std::shared_ptr<const Sleeper> sleeper, QObject *parent = nullptr);

    // Takes the flow; its root screen is a QML file of the module that takes
    // the required properties `model` and `backAction`. Replaces an earlier
    // registration of the module.
    void registerModule(DiagnosisModule module, DiagnosticFlow *flow, const QString &screen);
    // None for a module without a registration.
    DiagnosticFlow *flow(DiagnosisModule module) const;
    Q_INVOKABLE DiagnosticFlow *flow(const QString &rawValue) const;
    // The root screen's file name; empty without a registration.
    Q_INVOKABLE QString screen(const QString &rawValue) const;

    DiagnosisRoute route() const { return m_route; }
    // "selection" or the shown module's raw value.
    QString routeName() const;
    bool showLegalInformation() const { return m_showLegalInformation; }
    void setShowLegalInformation(bool shown);
    int currentStep() const { return m_currentStep; }
    QVariantList modules() const;
    QVariantMap workshop() const;
    DiagnosticFlow *batteryModel() const { return flow(DiagnosisModule::battery); }
    DiagnosticFlow *systemModel() const { return flow(DiagnosisModule::system); }
    DiagnosticFlow *powerModel() const { return flow(DiagnosisModule::power); }
    DiagnosticFlow *fanModel() const { return flow(DiagnosisModule::fans); }
    DiagnosticFlow *usbModel() const { return flow(DiagnosisModule::usbC); }
    DiagnosticFlow *speakerModel() const { return flow(DiagnosisModule::speakers); }
    DiagnosticFlow *displayModel() const { return flow(DiagnosisModule::display); }
    DiagnosticFlow *inputModel() const { return flow(DiagnosisModule::input); }
    DiagnosticFlow *mediaModel() const { return flow(DiagnosisModule::media); }
    DiagnosticFlow *storageModel() const { return flow(DiagnosisModule::storage); }

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
    struct Registration
    {
        DiagnosticFlow *flow;
        QString screen;
    };

    void setRoute(DiagnosisRoute route);
    void updateCurrentStep();

    std::map<DiagnosisModule, Registration> m_modules;
    DiagnosisRoute m_route;
    bool m_showLegalInformation = false;
    int m_currentStep = 1;
};
