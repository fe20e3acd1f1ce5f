#include "support/SystemMachines.h"

#include "support/BatteryMachines.h"
#include "support/FakeSmc.h"

namespace {

struct Load
{
    qint64 pid;
    double cpuPercent;
    double memoryMB;
    const char *command;
};

// Eight rounds of the same processes, each a little busier every other round.
QList<QList<ProcessRow>> rounds(std::initializer_list<Load> loads)
{
    QList<QList<ProcessRow>> result;
    for (int round = 0; round < 8; ++round) {
        QList<ProcessRow> rows;
        for (const Load &load : loads) {
            const double swing = round % 2 == 0 ? 0.9 : 1.1;
            rows.append({load.pid, load.cpuPercent * swing, load.memoryMB * 1024.0, QString::fromUtf8(load.command)});
        }
        result.append(rows);
    }
    return result;
}

} // namespace

namespace SystemMachines {

SimulatedMachine coolAir()
{
    SimulatedMachine machine = BatteryMachines::healthyAir();
    machine.smcKeys = {sp78Key("TB0T", 29.5), sp78Key("TC0P", 48.0), sp78Key("TG0P", 44.5), sp78Key("TH0P", 38.0)};
    machine.thermalState = 0;
    machine.processRounds = rounds({
        {412, 35.0, 820.0, "/Applications/Safari.app/Contents/MacOS/Safari"},
        {153, 9.0, 210.0, "/System/Library/PrivateFrameworks/SkyLight.framework/Resources/WindowServer"},
        {301, 1.2, 18.0, "/usr/libexec/trustd"},
    });
    return machine;
}

SimulatedMachine overheatedPro()
{
    SimulatedMachine machine = BatteryMachines::agingPro();
    machine.smcKeys = {sp78Key("TB0T", 41.0), sp78Key("TC0P", 97.5), sp78Key("TC0D", 93.0), sp78Key("TG0P", 88.0),
                       sp78Key("TH0P", 52.0)};
    machine.thermalState = 1;
    machine.processRounds = rounds({
        {2210, 132.0, 640.0, "/Library/Application Support/Cloudsafe/cloudsafe-backupd"},
        {96, 48.0, 310.0,
         "/System/Library/Frameworks/CoreServices.framework/Frameworks/Metadata.framework/Support/mds_stores"},
        {0, 22.0, 0.0, "kernel_task"},
        {812, 60.0, 1500.0, "/Applications/Xcode.app/Contents/MacOS/Xcode"},
    });
    return machine;
}

SimulatedMachine withoutSmc()
{
    SimulatedMachine machine = BatteryMachines::sparseAir();
    machine.thermalState = 0;
    machine.processRounds = rounds({{512, 4.0, 90.0, "/usr/sbin/bluetoothd"}});
    return machine;
}

SimulatedMachine markup()
{
    SimulatedMachine machine = coolAir();
    machine.hwModel = QStringLiteral("MacBookAir10,1<i>");
    machine.batteryProperties->insert(QStringLiteral("Condition"), QStringLiteral("<b>Normal"));
    machine.smcKeys.append(sp78Key("T<b>", 61.0));
    machine.processRounds = rounds({
        {666, 132.0, 640.0, R"(/usr/local/bin/<font size="7" color="red">HUGE <b>kernel_task)"},
    });
    return machine;
}

} // namespace SystemMachines
