#include "usbc/USBPowerProbe.h"

#include "usbc/PropertyListText.h"
#include "usbc/USBHardwareInspector.h"

#include <QSet>

#include <cmath>

namespace {

const QStringList wattKeys = {QStringLiteral("Watts"), QStringLiteral("AdapterWatts"), QStringLiteral("Maximum Power"),
                              QStringLiteral("MaxPower"), QStringLiteral("Power")};
const QStringList nameKeys = {QStringLiteral("Name"), QStringLiteral("Description"), QStringLiteral("Manufacturer"),
                              QStringLiteral("Adapter Name")};
const QStringList connectionKeyFragments = {
    QStringLiteral("connected"),       QStringLiteral("attached"),       QStringLiteral("attach"),
    QStringLiteral("connectionstate"), QStringLiteral("partnerpresent"), QStringLiteral("portstate"),
    QStringLiteral("cablestate"),      QStringLiteral("ccstate"),
};
const QStringList connectionValueFragments = {QStringLiteral("yes"),       QStringLiteral("true"),
                                              QStringLiteral("connected"), QStringLiteral("attached"),
                                              QStringLiteral("source"),    QStringLiteral("sink")};
// Written against the property-list text form.
const QStringList connectionTextMarkers = {QStringLiteral("partnerpresent = 1"), QStringLiteral("connectionstate = 1"),
                                           QStringLiteral("attached = yes"), QStringLiteral("attached = 1")};

const QLatin1String powerSourceClass("IOPortFeaturePowerSource");
const QLatin1String partnerIdentityClass("IOPortTransportComponentCCUSBPDSOP");

bool containsAny(const QString &text, const QStringList &fragments)
{
    return std::any_of(fragments.begin(), fragments.end(), [&text](const QString &f) { return text.contains(f); });
}

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double: return true;
    default: return false;
    }
}

// None for a double that no whole number can hold (not finite or beyond
// 64 bits), which would otherwise convert to anything.
std::optional<qint64> integerValue(const QVariant &value)
{
    if (value.typeId() != QMetaType::Double)
        return value.toLongLong();
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::abs(number) >= 9.2e18)
        return std::nullopt;
    return static_cast<qint64>(number);
}

std::optional<qint64> firstInteger(const QVariantMap &details, const QStringList &keys)
{
    for (const QString &key : keys) {
        const QVariant value = details.value(key);
        if (isNumber(value)) {
            if (const auto number = integerValue(value))
                return number;
            continue;
        }
        if (value.typeId() != QMetaType::QString)
            continue;
        QString digits;
        for (const QChar c : value.toString()) {
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                digits += c;
        }
        bool ok = false;
        const qint64 parsed = digits.toLongLong(&ok);
        if (!digits.isEmpty() && ok)
            return parsed;
    }
    return std::nullopt;
}

std::optional<QString> firstText(const QVariantMap &details, const QStringList &keys)
{
    for (const QString &key : keys) {
        const QVariant value = details.value(key);
        if (value.typeId() == QMetaType::QString && !value.toString().isEmpty())
            return value.toString();
    }
    return std::nullopt;
}

QString normalisedKey(const QString &key)
{
    QString normalised;
    for (const QChar c : key.toLower()) {
        if (!c.isSpace())
            normalised += c;
    }
    return normalised;
}

bool valueIndicatesConnection(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (isNumber(value))
        return integerValue(value) >= 1;
    const QString text = value.typeId() == QMetaType::QString ? value.toString() : propertyListText(value);
    return containsAny(text.toLower(), connectionValueFragments);
}

} // namespace

USBPowerProbe::USBPowerProbe(Platform platform)
    : m_platform(std::move(platform))
{
}

USBPowerSnapshot USBPowerProbe::readPowerSnapshot() const
{
    const auto &power = m_platform.externalPower;
    if (!power)
        return {};
    return snapshotFrom(power->providingType(), power->adapterDetails());
}

USBPowerSnapshot USBPowerProbe::snapshotFrom(const std::optional<QString> &providingType,
                                             const std::optional<QVariantMap> &adapterDetails)
{
    USBPowerSnapshot snapshot;
    QStringList parts;
    if (providingType) {
        snapshot.externalPowerConnected = *providingType == QLatin1String("AC Power") ||
            providingType->contains(QLatin1String("AC"), Qt::CaseInsensitive);
        parts.append(QStringLiteral("Source: ") + *providingType);
    }
    if (adapterDetails) {
        parts.append(propertyListText(*adapterDetails));
        snapshot.adapterWatts = firstInteger(*adapterDetails, wattKeys);
        snapshot.adapterName = firstText(*adapterDetails, nameKeys);
        snapshot.externalPowerConnected = true;
    }
    snapshot.rawDescription = parts.join(QLatin1String(" | "));
    return snapshot;
}

QList<USBPortObservation> USBPowerProbe::observePorts(const QList<USBPortDescriptor> &ports) const
{
    QSet<quint64> wanted;
    for (const USBPortDescriptor &port : ports)
        wanted.insert(port.id);
    QList<USBPortDescriptor> present;
    for (const USBPortDescriptor &found : USBHardwareInspector(m_platform).discoverPortDescriptors()) {
        if (wanted.contains(found.id))
            present.append(found);
    }
    USBHardwareInspector::sortPorts(present);
    QList<USBPortObservation> observations;
    for (const USBPortDescriptor &port : present)
        observations.append(observePort(port));
    return observations;
}

USBPortObservation USBPowerProbe::observePort(const USBPortDescriptor &port) const
{
    if (!m_platform.portControllers)
        return {port};
    return observationFrom(port, m_platform.portControllers->subtree(port.id));
}

USBPortObservation USBPowerProbe::observationFrom(const USBPortDescriptor &port,
                                                  const std::optional<RegistrySubtree> &tree)
{
    USBPortObservation observation {port};
    if (!tree)
        return observation;
    QStringList below;
    for (const RegistryNode &node : tree->descendants) {
        below.append(propertyListText(node.properties));
        observation.powerDeliveryActive |= node.className.contains(powerSourceClass);
        observation.partnerIdentityVisible |= node.className.contains(partnerIdentityClass);
    }
    const QString searchText =
        propertyListText(tree->properties).toLower() + QLatin1Char(' ') + below.join(QLatin1Char(' ')).toLower();
    observation.connected = propertiesIndicateConnection(tree->properties) ||
        containsAny(searchText, connectionTextMarkers) || observation.powerDeliveryActive ||
        observation.partnerIdentityVisible;
    return observation;
}

bool USBPowerProbe::propertiesIndicateConnection(const QVariantMap &properties)
{
    for (auto it = properties.cbegin(); it != properties.cend(); ++it) {
        const QVariant &value = it.value();
        if (value.typeId() == QMetaType::QVariantMap && propertiesIndicateConnection(value.toMap()))
            return true;
        if (containsAny(normalisedKey(it.key()), connectionKeyFragments) && valueIndicatesConnection(value))
            return true;
    }
    return false;
}
