#include "app/AppShell.h"

#include "app/ModuleRegistry.h"
#include "app/WorkshopIdentity.h"
#include "machine/RepairPages.h"
#include "machine/SiteAddress.h"

AppShell::AppShell(const Platform &platform, Clock &clock, std::shared_ptr<const Sleeper> sleeper, QObject *parent)
    : QObject(parent)
{
    registerProductModules(*this, platform, clock, sleeper);
}

void AppShell::registerModule(DiagnosisModule module, DiagnosticFlow *flow, const QString &screen)
{
    flow->setParent(this);
    if (const auto earlier = m_modules.find(module); earlier != m_modules.end())
        delete earlier->second.flow;
    m_modules[module] = {flow, screen};
    const auto followShownModule = [this, module] {
        if (m_route.module == module)
            updateCurrentStep();
    };
    connect(flow, &DiagnosticFlow::phaseChanged, this, followShownModule);
    connect(flow, &DiagnosticFlow::progressChanged, this, followShownModule);
}

DiagnosticFlow *AppShell::flow(DiagnosisModule module) const
{
    const auto found = m_modules.find(module);
    return found == m_modules.end() ? nullptr : found->second.flow;
}

DiagnosticFlow *AppShell::flow(const QString &rawValue) const
{
    const auto module = diagnosisModule(rawValue);
    return module ? flow(*module) : nullptr;
}

QString AppShell::screen(const QString &rawValue) const
{
    const auto module = diagnosisModule(rawValue);
    const auto found = module ? m_modules.find(*module) : m_modules.end();
    return found == m_modules.end() ? QString() : found->second.screen;
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
        entries.append(QVariantMap {
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
    DiagnosticFlow *moduleFlow = flow(module);
    if (moduleFlow)
        moduleFlow->reset();
    setRoute({module});
    if (moduleFlow)
        moduleFlow->start();
}

void AppShell::startModule(const QString &rawValue)
{
    if (const auto module = diagnosisModule(rawValue))
        startModule(*module);
}

void AppShell::back()
{
    if (m_route.module) {
        if (DiagnosticFlow *moduleFlow = flow(*m_route.module))
            moduleFlow->reset();
    }
    setRoute(DiagnosisRoute::selection());
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
    int step = 1;
    if (m_route.module) {
        // A module without a flow yet has nothing to run: it shows as running.
        const DiagnosticFlow *moduleFlow = flow(*m_route.module);
        step = moduleFlow ? moduleFlow->sidebarStep() : 2;
    }
    if (step == m_currentStep)
        return;
    m_currentStep = step;
    emit currentStepChanged();
}
