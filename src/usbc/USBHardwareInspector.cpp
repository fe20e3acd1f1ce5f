#include "usbc/USBHardwareInspector.h"

#include "usbc/PropertyListText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct ModelPorts
{
    const char *model;
    int ports;
};

// USB-C ports per model identifier.
constexpr ModelPorts modelPortTable[] = {
    {"MacBook8,1", 1},     {"MacBook9,1", 1},     {"MacBook10,1", 1},

    {"MacBookAir8,1", 2},  {"MacBookAir8,2", 2},  {"MacBookAir9,1", 2},  {"MacBookAir10,1", 2},

    {"MacBookPro13,1", 2}, {"MacBookPro14,1", 2}, {"MacBookPro15,4", 2}, {"MacBookPro16,3", 2}, {"MacBookPro17,1", 2},

    {"MacBookPro13,2", 4}, {"MacBookPro13,3", 4}, {"MacBookPro14,2", 4}, {"MacBookPro14,3", 4}, {"MacBookPro15,1", 4},
    {"MacBookPro15,2", 4}, {"MacBookPro15,3", 4}, {"MacBookPro16,1", 4}, {"MacBookPro16,2", 4}, {"MacBookPro16,4", 4},

    {"MacBookPro18,1", 3}, {"MacBookPro18,2", 3}, {"MacBookPro18,3", 3}, {"MacBookPro18,4", 3},

    {"Mac14,2", 2},        {"Mac14,7", 2},        {"Mac14,15", 2},       {"Mac15,12", 2},       {"Mac15,13", 2},
    {"Mac16,12", 2},       {"Mac16,13", 2},

    {"Mac14,5", 3},        {"Mac14,6", 3},        {"Mac14,9", 3},        {"Mac14,10", 3},       {"Mac15,3", 3},
    {"Mac15,6", 3},        {"Mac15,7", 3},        {"Mac15,8", 3},        {"Mac15,9", 3},        {"Mac15,10", 3},
    {"Mac15,11", 3},       {"Mac16,1", 3},        {"Mac16,5", 3},        {"Mac16,6", 3},        {"Mac16,7", 3},
    {"Mac16,8", 3},
};

const QStringList genericControllerClasses = {
    QStringLiteral("AppleUSBXHCI"),        QStringLiteral("AppleUSBXHCIPCI"),   QStringLiteral("AppleT8103USBXHCI"),
    QStringLiteral("AppleT6000USBXHCI"),   QStringLiteral("AppleT6020USBXHCI"), QStringLiteral("AppleThunderboltHAL"),
    QStringLiteral("AppleThunderboltNHI"),
};

const QStringList sortHintKeys = {
    QStringLiteral("UsbIOPort"),   QStringLiteral("PortNum"), QStringLiteral("PortNumber"),
    QStringLiteral("port-number"), QStringLiteral("port"),
};

constexpr qint64 unnumberedOffset = 10000;

// A whole decimal integer with an optional sign; none on anything else or
// on overflow.
std::optional<qint64> strictDecimal(const QString &text)
{
    qsizetype at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-'))) {
        negative = text[at] == QLatin1Char('-');
        ++at;
    }
    if (at == text.size())
        return std::nullopt;
    // Accumulated negatively, so that the smallest value fits too.
    qint64 value = 0;
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    for (; at < text.size(); ++at) {
        const ushort c = text[at].unicode();
        if (c < '0' || c > '9')
            return std::nullopt;
        const int digit = c - '0';
        if (value < (lowest + digit) / 10)
            return std::nullopt;
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == lowest)
            return std::nullopt;
        return -value;
    }
    return value;
}

std::optional<qint64> hintFrom(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong: return value.toLongLong();
    case QMetaType::Double: {
        // Beyond 64 bits or not finite, a double converts to anything.
        const double number = value.toDouble();
        if (!std::isfinite(number) || std::abs(number) >= 9.2e18)
            return std::nullopt;
        return static_cast<qint64>(number);
    }
    case QMetaType::QString: return strictDecimal(value.toString());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        if (bytes.size() > 8)
            return std::nullopt;
        quint64 folded = 0;
        for (const char byte : bytes)
            folded = (folded << 8) + static_cast<uchar>(byte);
        return static_cast<qint64>(folded);
    }
    default: return std::nullopt;
    }
}

bool mentionsMagSafe(const QString &text)
{
    const QString lower = text.toLower();
    return lower.contains(QLatin1String("magsafe")) || lower.contains(QLatin1String("mag safe"));
}

} // namespace

USBHardwareInspector::USBHardwareInspector(Platform platform)
    : m_platform(std::move(platform))
{
}

const QStringList &USBHardwareInspector::portControllerClasses()
{
    static const QStringList classes = {
        QStringLiteral("AppleHPMInterfaceType10"), QStringLiteral("AppleHPMInterfaceType11"),
        QStringLiteral("AppleHPMInterfaceType12"), QStringLiteral("AppleHPMInterfaceType18"),
        QStringLiteral("AppleTCControllerType10"), QStringLiteral("AppleTCControllerType11"),
    };
    return classes;
}

USBHardwareReport USBHardwareInspector::makeHardwareReport() const
{
    const USBMacIdentity identity = readMacIdentity();
    const QList<USBPortDescriptor> discovered = discoverPortDescriptors();
    return assembleReport(identity, discovered, countGenericControllerServices());
}

USBMacIdentity USBHardwareInspector::readMacIdentity() const
{
    USBMacIdentity identity;
    const auto &control = m_platform.systemControl;
    identity.modelIdentifier = control ? control->text("hw.model").value_or(QString()) : QString();
    if (identity.modelIdentifier.isEmpty())
        identity.modelIdentifier = QStringLiteral("Unbekanntes Mac Modell");
    identity.isAppleSilicon = control && control->integer("hw.optional.arm64") == 1;
    identity.chipName = identity.isAppleSilicon ? QStringLiteral("Apple Chip") : QStringLiteral("Intel");
    applyOverview(identity,
                  m_platform.hardwareOverview ? m_platform.hardwareOverview->json() : std::optional<QByteArray>());
    identity.isNotebook = identity.marketingName.contains(QLatin1String("MacBook"), Qt::CaseInsensitive) ||
        identity.modelIdentifier.startsWith(QLatin1String("MacBook"));
    return identity;
}

void USBHardwareInspector::applyOverview(USBMacIdentity &identity, const std::optional<QByteArray> &json)
{
    if (!json)
        return;
    const QJsonDocument document = QJsonDocument::fromJson(*json);
    const QJsonArray items = document.object().value(QLatin1String("SPHardwareDataType")).toArray();
    if (items.isEmpty() || !items.first().isObject())
        return;
    const QJsonObject hardware = items.first().toObject();
    for (const char *key : {"machine_name", "_name"}) {
        if (const QJsonValue name = hardware.value(QLatin1String(key)); name.isString()) {
            identity.marketingName = name.toString();
            break;
        }
    }
    for (const char *key : {"chip_type", "cpu_type"}) {
        if (const QJsonValue chip = hardware.value(QLatin1String(key)); chip.isString()) {
            identity.chipName = chip.toString();
            break;
        }
    }
}

QList<USBPortDescriptor> USBHardwareInspector::discoverPortDescriptors() const
{
    QList<USBPortDescriptor> descriptors;
    if (!m_platform.portControllers)
        return descriptors;
    QSet<quint64> seen;
    for (const QString &serviceClass : portControllerClasses()) {
        for (const RegistryService &service : m_platform.portControllers->services(serviceClass)) {
            if (seen.contains(service.entryId))
                continue;
            seen.insert(service.entryId);
            USBPortDescriptor descriptor;
            descriptor.id = service.entryId;
            descriptor.serviceClass = serviceClass;
            descriptor.registryPath = service.path.value_or(QStringLiteral("registry://unknown"));
            descriptor.sortHint = sortHint(service.properties, descriptors.size());
            descriptor.debugSummary = propertyListText(service.properties);
            descriptors.append(descriptor);
        }
    }
    return descriptors;
}

int USBHardwareInspector::countGenericControllerServices() const
{
    if (!m_platform.portControllers)
        return 0;
    QSet<quint64> ids;
    for (const QString &serviceClass : genericControllerClasses) {
        for (const RegistryService &service : m_platform.portControllers->services(serviceClass))
            ids.insert(service.entryId);
    }
    return static_cast<int>(ids.size());
}

qint64 USBHardwareInspector::sortHint(const QVariantMap &properties, qint64 fallbackIndex)
{
    for (const QString &key : sortHintKeys) {
        const auto it = properties.constFind(key);
        if (it == properties.cend())
            continue;
        if (const auto hint = hintFrom(it.value()))
            return *hint;
    }
    return fallbackIndex + unnumberedOffset;
}

std::optional<int> USBHardwareInspector::expectedPortCount(const QString &modelIdentifier, const QString &marketingName)
{
    for (const ModelPorts &row : modelPortTable) {
        if (modelIdentifier == QLatin1String(row.model))
            return row.ports;
    }
    const QString name = marketingName.toLower();
    if (name.contains(QLatin1String("macbook neo")) || name.contains(QLatin1String("macbook air")))
        return 2;
    if (name.contains(QLatin1String("macbook pro"))) {
        const bool thirteenOnly = name.contains(QLatin1String("13")) && !name.contains(QLatin1String("14")) &&
            !name.contains(QLatin1String("16"));
        return thirteenOnly ? 2 : 3;
    }
    if (name == QLatin1String("macbook") || name.contains(QLatin1String("12-inch")) ||
        name.contains(QLatin1String("12 zoll")))
        return 1;
    return std::nullopt;
}

int USBHardwareInspector::derivePortCount(const QList<USBPortDescriptor> &discovered, const USBMacIdentity &identity)
{
    if (discovered.isEmpty()) {
        if (identity.marketingName.contains(QLatin1String("Air"), Qt::CaseInsensitive))
            return 2;
        if (identity.marketingName.contains(QLatin1String("Pro"), Qt::CaseInsensitive))
            return 3;
        return 1;
    }
    const auto withoutMagSafe = std::count_if(discovered.begin(), discovered.end(), [](const USBPortDescriptor &d) {
        return !d.debugSummary.toLower().contains(QLatin1String("magsafe"));
    });
    return withoutMagSafe > 0 ? static_cast<int>(withoutMagSafe) : static_cast<int>(discovered.size());
}

void USBHardwareInspector::sortPorts(QList<USBPortDescriptor> &ports)
{
    std::stable_sort(ports.begin(), ports.end(), [](const USBPortDescriptor &a, const USBPortDescriptor &b) {
        if (a.sortHint != b.sortHint)
            return a.sortHint < b.sortHint;
        return a.registryPath < b.registryPath;
    });
}

QList<USBPortDescriptor> USBHardwareInspector::selectPortDescriptors(const QList<USBPortDescriptor> &discovered,
                                                                     int expected)
{
    if (expected < 1)
        return {};
    QList<USBPortDescriptor> candidates;
    for (const USBPortDescriptor &descriptor : discovered) {
        if (!mentionsMagSafe(descriptor.serviceClass + QLatin1Char(' ') + descriptor.debugSummary))
            candidates.append(descriptor);
    }
    if (candidates.size() < expected)
        candidates = discovered;
    if (candidates.size() > expected) {
        QList<USBPortDescriptor> kept;
        for (const USBPortDescriptor &descriptor : candidates) {
            if (descriptor.serviceClass != QLatin1String("AppleTCControllerType11"))
                kept.append(descriptor);
        }
        if (kept.size() >= expected)
            candidates = kept;
    }
    sortPorts(candidates);
    return candidates.mid(0, expected);
}

USBHardwareReport USBHardwareInspector::assembleReport(const USBMacIdentity &identity,
                                                       const QList<USBPortDescriptor> &discovered, int genericCount)
{
    USBHardwareReport report;
    report.identity = identity;
    int count = 0;
    bool derived = false;
    if (const auto fromModel = expectedPortCount(identity.modelIdentifier, identity.marketingName)) {
        count = *fromModel;
    } else {
        count = derivePortCount(discovered, identity);
        derived = true;
    }
    report.portDescriptors = selectPortDescriptors(discovered, count);

    if (identity.isAppleSilicon) {
        report.controllerCheckIsConclusive = count > 0;
        report.probableControllerFailure = count >= 1 && report.portDescriptors.size() < count;
        if (discovered.isEmpty())
            report.notes.append(QStringLiteral("macOS hat keine per-Port USB-C Controllerdienste veröffentlicht."));
        report.rawControllerCount = static_cast<int>(discovered.size());
    } else {
        report.notes.append(QStringLiteral(
            "Auf Intel-MacBooks veröffentlicht macOS keine vollständigen USB-PD-Daten pro Anschluss. Der "
            "Controllergrundtest verwendet daher USB-/Thunderbolt-Systemdienste und löst allein keinen "
            "Platinenschaden-Hinweis aus."));
        if (genericCount == 0)
            report.notes.append(QStringLiteral("Es wurden keine eindeutig zuordenbaren generischen Controllerdienste "
                                               "gefunden; die App fährt mit dem praktischen Ladetest fort."));
        report.rawControllerCount = genericCount;
    }
    if (!identity.isNotebook)
        report.notes.append(QStringLiteral("Die App ist für MacBook Modelle ausgelegt."));
    if (derived)
        report.notes.append(QStringLiteral("Die Portanzahl wurde direkt aus der Hardware-Registry abgeleitet."));
    report.expectedPortCount = qMax(count, 1);
    return report;
}
