#include "app/ModuleRegistry.h"

#include "app/AppShell.h"
#include "battery/BatteryDiagnosticViewModel.h"
#include "display/DisplayDiagnosticViewModel.h"
#include "fans/FanDiagnosticViewModel.h"
#include "input/InputDiagnosticViewModel.h"
#include "media/MediaDiagnosticViewModel.h"
#include "power/PowerDiagnosticViewModel.h"
#include "speakers/SpeakerCheckViewModel.h"
#include "storage/StorageDiagnosticViewModel.h"
#include "system/SystemDiagnosticViewModel.h"
#include "usbc/USBCheckViewModel.h"

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
    shell.registerModule(DiagnosisModule::media, new MediaDiagnosticViewModel(platform.openMediaCapture(), clock),
                         QStringLiteral("MediaIntegratedModuleView.qml"));
    shell.registerModule(DiagnosisModule::display, new DisplayDiagnosticViewModel(platform, clock),
                         QStringLiteral("DisplayIntegratedModuleView.qml"));
    shell.registerModule(DiagnosisModule::input, new InputDiagnosticViewModel(platform, clock),
                         QStringLiteral("InputIntegratedModuleView.qml"));
    shell.registerModule(DiagnosisModule::usbC, new USBCheckViewModel(platform, clock),
                         QStringLiteral("USBIntegratedModuleView.qml"));
    shell.registerModule(DiagnosisModule::storage, new StorageDiagnosticViewModel(platform, clock),
                         QStringLiteral("StorageIntegratedModuleView.qml"));
    shell.registerModule(DiagnosisModule::speakers, new SpeakerCheckViewModel(platform, clock),
                         QStringLiteral("SpeakerIntegratedModuleView.qml"));
}
