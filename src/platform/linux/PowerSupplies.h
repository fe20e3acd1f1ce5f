#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

// One entry of /sys/class/power_supply.
class PowerSupply
{
public:
    explicit PowerSupply(QString directory);

    QString name() const;
    std::optional<QString> text(const char *attribute) const;
    std::optional<qint64> integer(const char *attribute) const;
    // A mouse's or a dock's own battery or charger, not the machine's.
    bool isPeripheral() const;

private:
    QString m_directory;
};

// The supplies below root, by name; none when the class folder is missing.
std::optional<QList<PowerSupply>> powerSupplies(const QString &root);

// The machine's own battery, preferring the names the laptop drivers give it.
std::optional<PowerSupply> internalBattery(const QList<PowerSupply> &supplies);

// Whether an adapter is connected: from the adapters' online flags, else from
// the battery's status; none when neither tells.
std::optional<bool> externalPowerConnected(const QList<PowerSupply> &supplies,
                                           const std::optional<QString> &batteryStatus);

// What the connected adapter reports about itself, with the battery
// service's adapter keys (watts, mV, mA, name); none while no adapter is
// online. Watts are only ever the adapter's own figures.
std::optional<QVariantMap> adapterDetails(const QList<PowerSupply> &supplies);
