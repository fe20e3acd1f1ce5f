#include "support/USBMachines.h"

#include "support/FakePlatform.h"

#include <cstring>

namespace {

class USBSystemControl : public SystemControl
{
public:
    USBSystemControl(std::optional<QString> model, bool appleSilicon)
        : m_model(std::move(model))
        , m_appleSilicon(appleSilicon)
    {
    }
    std::optional<QString> text(const char *name) const override
    {
        return std::strcmp(name, "hw.model") == 0 ? m_model : std::nullopt;
    }
    std::optional<qint64> integer(const char *name) const override
    {
        if (std::strcmp(name, "hw.optional.arm64") == 0 && m_appleSilicon)
            return 1;
        return std::nullopt;
    }

private:
    std::optional<QString> m_model;
    bool m_appleSilicon;
};

QByteArray overview(const char *machineName, const char *chip)
{
    return QByteArray(R"({"SPHardwareDataType":[{"_name":"hardware_overview","machine_name":")") + machineName +
        R"(",")" + (std::strncmp(chip, "Apple", 5) == 0 ? "chip_type" : "cpu_type") + R"(":")" + chip + R"("}]})";
}

USBMachine machine(std::optional<QString> model, std::optional<QByteArray> json, bool appleSilicon)
{
    USBMachine made;
    made.hardware = std::make_shared<ScriptedUSBHardware>();
    SimulatedMachine simulated;
    simulated.hwModel = model;
    simulated.overviewJson = std::move(json);
    made.platform = makeFakePlatform(simulated);
    made.platform.systemControl = std::make_shared<USBSystemControl>(std::move(model), appleSilicon);
    made.platform.portControllers = made.hardware;
    made.platform.externalPower = made.hardware;
    return made;
}

ScriptedUSBHardware::Port hpmPort(int number, quint64 id)
{
    const QString location = QStringLiteral("Port-USB-C@%1").arg(number);
    return {id,
            QStringLiteral("AppleHPMInterfaceType10"),
            QStringLiteral("IOService:/AppleARMPE/arm-io@10F00000/AppleT600xIO/i2c0@35010000/hpm%1/%2")
                .arg(number - 1)
                .arg(location),
            {{QStringLiteral("PortNumber"), qint64(number)},
             {QStringLiteral("PortDescription"), location},
             {QStringLiteral("PortTypeDescription"), QStringLiteral("USB-C")},
             {QStringLiteral("ConnectionActive"), false}}};
}

void addProPorts(ScriptedUSBHardware &hardware, bool withPortTwo, bool withMagSafe = true)
{
    // Discovery order differs from port order.
    hardware.addPort(hpmPort(3, USBMachines::portId(3)));
    if (withPortTwo)
        hardware.addPort(hpmPort(2, USBMachines::portId(2)));
    hardware.addPort(hpmPort(1, USBMachines::portId(1)));
    if (!withMagSafe)
        return;
    hardware.addPort({0x100000a40,
                      QStringLiteral("AppleHPMInterfaceType11"),
                      QStringLiteral("IOService:/AppleARMPE/arm-io@10F00000/AppleT600xIO/i2c0@35010000/hpm4/"
                                     "Port-MagSafe 3@4"),
                      {{QStringLiteral("PortNumber"), qint64(4)},
                       {QStringLiteral("PortDescription"), QStringLiteral("Port-MagSafe 3@4")},
                       {QStringLiteral("PortTypeDescription"), QStringLiteral("MagSafe 3")}}});
}

} // namespace

void ScriptedUSBHardware::addPort(const Port &port)
{
    const QMutexLocker lock(&m_mutex);
    m_ports.append(port);
}

void ScriptedUSBHardware::addGenericService(const QString &serviceClass, quint64 id)
{
    const QMutexLocker lock(&m_mutex);
    m_generic.append({serviceClass, id});
}

void ScriptedUSBHardware::removePort(quint64 id)
{
    const QMutexLocker lock(&m_mutex);
    m_ports.removeIf([id](const Port &port) { return port.id == id; });
}

void ScriptedUSBHardware::unplug()
{
    const QMutexLocker lock(&m_mutex);
    m_powered = false;
    m_chargingPort.reset();
    m_watts.reset();
}

void ScriptedUSBHardware::plugInto(quint64 portId, std::optional<int> watts)
{
    const QMutexLocker lock(&m_mutex);
    m_powered = true;
    m_chargingPort = portId;
    m_watts = watts;
}

void ScriptedUSBHardware::plugElsewhere(std::optional<int> watts)
{
    const QMutexLocker lock(&m_mutex);
    m_powered = true;
    m_chargingPort.reset();
    m_watts = watts;
}

QList<RegistryService> ScriptedUSBHardware::services(const QString &className) const
{
    const QMutexLocker lock(&m_mutex);
    QList<RegistryService> found;
    for (const Port &port : m_ports) {
        if (port.serviceClass == className)
            found.append({port.id, port.path, port.properties});
    }
    for (const auto &[serviceClass, id] : m_generic) {
        if (serviceClass == className)
            found.append({id, std::nullopt, {}});
    }
    return found;
}

std::optional<RegistrySubtree> ScriptedUSBHardware::subtree(quint64 entryId) const
{
    const QMutexLocker lock(&m_mutex);
    for (const Port &port : m_ports) {
        if (port.id != entryId)
            continue;
        RegistrySubtree tree {port.properties, {}};
        tree.descendants.append({QStringLiteral("IOPortTransportStateCC"), {}});
        if (m_chargingPort == entryId) {
            tree.properties.insert(QStringLiteral("ConnectionActive"), true);
            tree.descendants.append({QStringLiteral("IOPortFeaturePowerSource"),
                                     {{QStringLiteral("PowerSourceDescription"), QStringLiteral("USB-PD")}}});
        }
        return tree;
    }
    return std::nullopt;
}

std::optional<QString> ScriptedUSBHardware::providingType() const
{
    const QMutexLocker lock(&m_mutex);
    return m_powered ? QStringLiteral("AC Power") : QStringLiteral("Battery Power");
}

std::optional<QVariantMap> ScriptedUSBHardware::adapterDetails() const
{
    const QMutexLocker lock(&m_mutex);
    if (!m_powered)
        return std::nullopt;
    QVariantMap details {{QStringLiteral("Name"), QStringLiteral("USB-C Power Adapter")}};
    if (m_watts)
        details.insert(QStringLiteral("Watts"), qint64(*m_watts));
    return details;
}

namespace USBMachines {

quint64 portId(int number)
{
    return 0x100000a00 + quint64(number) * 0x10;
}

USBMachine appleSiliconPro()
{
    USBMachine made = machine(QStringLiteral("MacBookPro18,3"), overview("MacBook Pro", "Apple M1 Pro"), true);
    addProPorts(*made.hardware, true);
    made.hardware->plugInto(portId(1));
    return made;
}

USBMachine appleSiliconProMissingPort()
{
    USBMachine made = machine(QStringLiteral("MacBookPro18,3"), overview("MacBook Pro", "Apple M1 Pro"), true);
    addProPorts(*made.hardware, false, false);
    return made;
}

USBMachine intelPro()
{
    USBMachine made = machine(QStringLiteral("MacBookPro16,1"), overview("MacBook Pro", "8-Core Intel Core i9"), false);
    made.hardware->addGenericService(QStringLiteral("AppleUSBXHCIPCI"), 0x100000300);
    made.hardware->addGenericService(QStringLiteral("AppleThunderboltHAL"), 0x100000400);
    made.hardware->addGenericService(QStringLiteral("AppleThunderboltNHI"), 0x100000400);
    made.hardware->plugElsewhere(96);
    return made;
}

USBMachine unknownMachine()
{
    return machine(std::nullopt, std::nullopt, false);
}

} // namespace USBMachines
