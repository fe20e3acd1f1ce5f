#include "app/ModuleRegistry.h"

#include "app/AppShell.h"
#include "battery/BatteryDiagnosticViewModel.h"
#include "fans/FanDiagnosticViewModel.h"
#include "power/PowerDiagnosticViewModel.h"
#include "speakers/SpeakerCheckViewModel.h"
#include "system/SystemDiagnosticViewModel.h"

void registerProductModules(AppShell &shell, const Platform &platform, Clock &clock,
                            const std::shared_ptr<const Sleeper> &sleeper)
{
    shell.registerModule(DiagnosisModule::battery, new BatteryDiagnosticViewModel(platform, clock),
                         QStringLiteral("BatteryModuleView.qml"));
    shell.registerModule(DiagnosisModule::system, new SystemDiagnosticViewModel(platform, clock, sleeper),
                         QStringLiteral("SystemModuleView.qml"));
    shell.registerModule(DiagnosisModule::power, new PowerDiagnosticViewModel(platform, clock),
                         QStringLiteral("PowerIntegratedModuleView.qml"));
    shell.registerModule(DiagnosisModule::fans, new FanDiagnosticViewModel(platform, clock, sleeper),
                         QStringLiteral("FanIntegratedModuleView.qml"));
    shell.registerModule(DiagnosisModule::speakers, new SpeakerCheckViewModel(platform, clock),
                         QStringLiteral("SpeakerIntegratedModuleView.qml"));
}
