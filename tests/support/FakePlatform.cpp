#include "support/FakePlatform.h"

#include "support/FakeSmc.h"
#include "support/FixedThermalState.h"

#include <cstring>

namespace {

class FakeBatteryService : public BatteryService
{
public:
    explicit FakeBatteryService(std::optional<QVariantMap> properties)
        : m_properties(std::move(properties))
    {
    }
    std::optional<QVariantMap> properties(const QStringList &keys) const override
    {
        if (!m_properties)
            return std::nullopt;
        QVariantMap asked;
        for (const QString &key : keys) {
            if (m_properties->contains(key))
                asked.insert(key, m_properties->value(key));
        }
        return asked;
    }

private:
    std::optional<QVariantMap> m_properties;
};

class FakeHardwareOverview : public HardwareOverview
{
public:
    explicit FakeHardwareOverview(std::optional<QByteArray> json)
        : m_json(std::move(json))
    {
    }
    std::optional<QByteArray> json() const override { return m_json; }

private:
    std::optional<QByteArray> m_json;
};

class FakeSystemControl : public SystemControl
{
public:
    explicit FakeSystemControl(std::optional<QString> model)
        : m_model(std::move(model))
    {
    }
    std::optional<QString> text(const char *name) const override
    {
        return std::strcmp(name, "hw.model") == 0 ? m_model : std::nullopt;
    }
    std::optional<qint64> integer(const char *) const override { return std::nullopt; }

private:
    std::optional<QString> m_model;
};

class ScriptedRowSource : public ProcessRowSource
{
public:
    explicit ScriptedRowSource(QList<QList<ProcessRow>> rounds)
        : m_rounds(std::move(rounds))
    {
    }
    QList<ProcessRow> rows() override { return m_next < m_rounds.size() ? m_rounds[m_next++] : QList<ProcessRow>(); }

private:
    QList<QList<ProcessRow>> m_rounds;
    qsizetype m_next = 0;
};

class FakeProcessTable : public ProcessTable
{
public:
    explicit FakeProcessTable(QList<QList<ProcessRow>> rounds)
        : m_rounds(std::move(rounds))
    {
    }
    std::unique_ptr<ProcessRowSource> open() const override { return std::make_unique<ScriptedRowSource>(m_rounds); }

private:
    QList<QList<ProcessRow>> m_rounds;
};

class FixedPowerSource : public PowerSource
{
public:
    explicit FixedPowerSource(ProvidingPowerSource source)
        : m_source(source)
    {
    }
    ProvidingPowerSource providingSource() const override { return m_source; }

private:
    ProvidingPowerSource m_source;
};

} // namespace

Platform makeFakePlatform(const SimulatedMachine &machine)
{
    Platform platform;
    platform.batteryService = std::make_shared<FakeBatteryService>(machine.batteryProperties);
    platform.hardwareOverview = std::make_shared<FakeHardwareOverview>(machine.overviewJson);
    platform.systemControl = std::make_shared<FakeSystemControl>(machine.hwModel);
    platform.processTable = std::make_shared<FakeProcessTable>(machine.processRounds);
    auto smc = std::make_shared<FakeSmc>(machine.smcKeys);
    if (machine.smcKeys.isEmpty())
        smc->failOpen();
    for (const std::uint32_t key : machine.unreadableSmcKeys)
        smc->failKey(smcReadKeyValue, key);
    platform.smcTransport = smc;
    platform.thermalState = std::make_shared<FixedThermalState>(machine.thermalState);
    platform.powerSource = std::make_shared<FixedPowerSource>(machine.powerSource);
    platform.openMediaCapture = [media = machine.media] { return std::make_unique<FakeMediaCapture>(media); };
    return platform;
}
