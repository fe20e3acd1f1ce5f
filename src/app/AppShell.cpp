#include "app/AppShell.h"

#include "app/WorkshopIdentity.h"
#include "identity/RepairPages.h"
#include "identity/SiteAddress.h"

#include <QUrl>

namespace {

// Battery and system checks move to "evaluate" shortly before their last step.
int pacedCheckStep(BatteryDiagnosticViewModel::Phase phase, double progress)
{
    using Phase = BatteryDiagnosticViewModel::Phase;
    switch (phase) {
    case Phase::start: return 2;
    case Phase::checking: return progress >= 0.82 ? 3 : 2;
    case Phase::result: return 4;
    case Phase::error: return 3;
    }
    return 2;
}

} // namespace

AppShell::AppShell(const Platform &platform, Clock &clock, QObject *parent)
    : QObject(parent)
    , m_batteryModel(new BatteryDiagnosticViewModel(platform, clock, this))
{
    connect(m_batteryModel, &BatteryDiagnosticViewModel::phaseChanged, this, &AppShell::updateCurrentStep);
    connect(m_batteryModel, &BatteryDiagnosticViewModel::progressChanged, this, &AppShell::updateCurrentStep);
}

QString AppShell::routeName() const
{
    return m_route.module ? rawValue(*m_route.module) : QStringLiteral("selection");
}

void AppShell::setShowLegalInformation(bool shown)
{
    if (m_showLegalInformation == shown)
        return;
    m_showLegalInformation = shown;
    emit showLegalInformationChanged();
}

QVariantList AppShell::modules() const
{
    QVariantList entries;
    for (DiagnosisModule module : allDiagnosisModules()) {
        entries.append(QVariantMap{
            {QStringLiteral("module"), rawValue(module)},
            {QStringLiteral("title"), title(module)},
            {QStringLiteral("eyebrow"), eyebrow(module)},
            {QStringLiteral("subtitle"), subtitle(module)},
            {QStringLiteral("symbol"), symbol(module)},
        });
    }
    return entries;
}

QVariantMap AppShell::workshop() const
{
    using namespace WorkshopIdentity;
    const QUrl site(QString::fromLatin1(siteBaseAddress));
    return {
        {QStringLiteral("businessName"), QString::fromUtf8(businessName)},
        {QStringLiteral("ownerName"), QString::fromUtf8(ownerName)},
        {QStringLiteral("street"), QString::fromUtf8(street)},
        {QStringLiteral("postalCodeAndTown"), QString::fromUtf8(postalCodeAndTown)},
        {QStringLiteral("country"), QString::fromUtf8(country)},
        {QStringLiteral("responsibleName"), QString::fromUtf8(responsibleName)},
        {QStringLiteral("email"), QString::fromUtf8(email)},
        {QStringLiteral("telephone"), QString::fromUtf8(telephone)},
        {QStringLiteral("domain"), site.host()},
        {QStringLiteral("siteURL"), site},
        {QStringLiteral("contactURL"), sitePage("/kontakt")},
        {QStringLiteral("termsURL"), sitePage("/agb")},
        {QStringLiteral("emailURL"), QUrl(QStringLiteral("mailto:") + QString::fromUtf8(email))},
        {QStringLiteral("phoneURL"),
         QUrl(QStringLiteral("tel:") + QString::fromUtf8(telephone).remove(QLatin1Char(' ')))},
    };
}

void AppShell::startModule(DiagnosisModule module)
{
    resetFlow(module);
    setRoute({module});
    startFlow(module);
}

void AppShell::startModule(const QString &rawValue)
{
    if (const auto module = diagnosisModule(rawValue))
        startModule(*module);
}

void AppShell::back()
{
    if (m_route.module)
        resetFlow(*m_route.module);
    setRoute(DiagnosisRoute::selection());
}

// Modules without a flow object yet show a plain screen and have nothing to run.
void AppShell::resetFlow(DiagnosisModule module)
{
    switch (module) {
    case DiagnosisModule::battery: m_batteryModel->reset(); break;
    default: break;
    }
}

void AppShell::startFlow(DiagnosisModule module)
{
    switch (module) {
    case DiagnosisModule::battery: m_batteryModel->start(); break;
    default: break;
    }
}

int AppShell::moduleStep(DiagnosisModule module) const
{
    switch (module) {
    case DiagnosisModule::battery: return pacedCheckStep(m_batteryModel->phase(), m_batteryModel->progress());
    default: return 2;
    }
}

void AppShell::setRoute(DiagnosisRoute route)
{
    if (m_route == route)
        return;
    m_route = route;
    emit routeChanged();
    updateCurrentStep();
}

void AppShell::updateCurrentStep()
{
    const int step = m_route.module ? moduleStep(*m_route.module) : 1;
    if (step == m_currentStep)
        return;
    m_currentStep = step;
    emit currentStepChanged();
}
