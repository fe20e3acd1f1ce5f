// Every Linux reader over one fuzzed file tree standing in for /.
#include "FuzzInput.h"

#include "machine/BatteryReader.h"
#include "platform/Sleeper.h"
#include "platform/linux/LinuxBatteryService.h"
#include "platform/linux/LinuxMachineIdentity.h"
#include "platform/linux/LinuxPowerSource.h"
#include "platform/linux/LinuxSmcTransport.h"
#include "platform/linux/LinuxThermalState.h"
#include "platform/linux/LinuxTypecPorts.h"
#include "platform/linux/ProcProcessTable.h"
#include "platform/smc/SmcAccess.h"
#include "usbc/USBHardwareInspector.h"

namespace {

class NoSleep : public Sleeper
{
public:
    void sleep(std::chrono::milliseconds) const override { }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static FuzzTree tree;
    tree.fill(QByteArrayView(data, qsizetype(size)));
    const QString root = tree.root();

    (void)LinuxBatteryService(root).properties(BatteryReader::registryKeys());
    (void)LinuxPowerSource(root).providingSource();
    const LinuxExternalPower power(root);
    (void)power.providingType();
    (void)power.adapterDetails();
    const LinuxTypecPorts ports(root);
    for (const QString &className : USBHardwareInspector::portControllerClasses()) {
        for (const RegistryService &service : ports.services(className))
            (void)ports.subtree(service.entryId);
    }
    (void)readMachineIdentity(root);
    (void)LinuxThermalState(root, std::make_shared<NoSleep>(), std::chrono::milliseconds(0)).thermalState();
    const auto processes = ProcProcessTable(root).open();
    (void)processes->rows();
    (void)processes->rows();
    char buffer[4096];
    for (const bool maySelectKeys : {false, true}) {
        const LinuxSmcTransport smc(root, maySelectKeys);
        (void)smc_copy_temperature_lines(smc, buffer, sizeof buffer);
        (void)smc_copy_fan_lines(smc, buffer, sizeof buffer);
    }
    return 0;
}
