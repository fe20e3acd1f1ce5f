// The USB-C check's registry readers: port discovery with its sort hints,
// the connection recogniser and the power snapshot, over fuzzed services.
#include "FuzzInput.h"
#include "FuzzPlatform.h"

#include "usbc/USBHardwareInspector.h"
#include "usbc/USBPowerProbe.h"

namespace {

const QStringList names = {
    QStringLiteral("path"),         QStringLiteral("children"),       QStringLiteral("class"),
    QStringLiteral("PortNum"),      QStringLiteral("PortNumber"),     QStringLiteral("port-number"),
    QStringLiteral("port"),         QStringLiteral("UsbIOPort"),      QStringLiteral("ConnectionState"),
    QStringLiteral("Connected"),    QStringLiteral("PartnerPresent"), QStringLiteral("Attached"),
    QStringLiteral("PortState"),    QStringLiteral("CCState"),        QStringLiteral("CableState"),
    QStringLiteral("Watts"),        QStringLiteral("AdapterWatts"),   QStringLiteral("Maximum Power"),
    QStringLiteral("Name"),         QStringLiteral("Description"),    QStringLiteral("Manufacturer"),
    QStringLiteral("Adapter Name"), QStringLiteral("PowerDelivery"),  QStringLiteral("IOClass"),
};

// Each element of the list is one service; its "children" are the services below it.
class FuzzRegistry : public PortControllerRegistry
{
public:
    explicit FuzzRegistry(const QVariant &tree)
        : m_elements(tree.toList())
    {
    }
    QList<RegistryService> services(const QString &className) const override
    {
        QList<RegistryService> found;
        for (qsizetype i = 0; i < m_elements.size(); ++i) {
            const QVariantMap properties = m_elements[i].toMap();
            const QVariant wanted = properties.value(QStringLiteral("class"));
            if (wanted.isValid() && wanted.toString() != className && !className.startsWith(wanted.toString()))
                continue;
            const QVariant path = properties.value(QStringLiteral("path"));
            found.append({quint64(i % 3 == 2 ? 1 : i + 1),
                          path.typeId() == QMetaType::QString ? std::optional<QString>(path.toString()) : std::nullopt,
                          properties});
        }
        return found;
    }
    std::optional<RegistrySubtree> subtree(quint64 entryId) const override
    {
        if (entryId == 0 || entryId > quint64(m_elements.size()))
            return std::nullopt;
        const QVariantMap properties = m_elements[qsizetype(entryId - 1)].toMap();
        RegistrySubtree tree {properties, {}};
        for (const QVariant &child : properties.value(QStringLiteral("children")).toList()) {
            const QVariantMap childProperties = child.toMap();
            tree.descendants.append({childProperties.value(QStringLiteral("class")).toString(), childProperties});
        }
        return tree;
    }

private:
    QVariantList m_elements;
};

class FuzzExternalPower : public ExternalPowerSource
{
public:
    FuzzExternalPower(QByteArrayView type, QVariant details)
        : m_type(type.toByteArray())
        , m_details(std::move(details))
    {
    }
    std::optional<QString> providingType() const override
    {
        return m_type.isEmpty() ? std::nullopt : std::optional<QString>(QString::fromUtf8(m_type));
    }
    std::optional<QVariantMap> adapterDetails() const override
    {
        return m_details.typeId() == QMetaType::QVariantMap ? std::optional<QVariantMap>(m_details.toMap())
                                                            : std::nullopt;
    }

private:
    QByteArray m_type;
    QVariant m_details;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto pieces = inputPieces(QByteArrayView(data, qsizetype(size)), 5);
    Platform platform;
    platform.portControllers = std::make_shared<FuzzRegistry>(variantTree(pieces[0], names));
    platform.systemControl = std::make_shared<FuzzSystemControl>(pieces[1].toByteArray());
    platform.externalPower = std::make_shared<FuzzExternalPower>(pieces[2], variantTree(pieces[3], names));
    platform.hardwareOverview = std::make_shared<FuzzOverview>(pieces[4].toByteArray());

    const USBHardwareReport report = USBHardwareInspector(platform).makeHardwareReport();
    if (report.expectedPortCount < 1 || report.portDescriptors.size() > report.expectedPortCount)
        __builtin_trap();
    const USBPowerProbe probe(platform);
    (void)probe.readPowerSnapshot();
    (void)probe.observePorts(report.portDescriptors);
    return 0;
}
