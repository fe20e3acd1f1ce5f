#include "platform/linux/LinuxHardwareOverview.h"

#include "platform/linux/LinuxMachineIdentity.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

LinuxHardwareOverview::LinuxHardwareOverview(QString root)
    : m_root(std::move(root))
{
}

std::optional<QByteArray> LinuxHardwareOverview::json() const
{
    const LinuxMachineIdentity identity = readMachineIdentity(m_root);
    if (!identity.modelIdentifier && !identity.modelName)
        return std::nullopt;
    QJsonObject hardware;
    if (identity.modelName)
        hardware.insert(QStringLiteral("machine_name"), *identity.modelName);
    if (identity.modelIdentifier)
        hardware.insert(QStringLiteral("machine_model"), *identity.modelIdentifier);
    const QJsonObject overview {{QStringLiteral("SPHardwareDataType"), QJsonArray {hardware}}};
    return QJsonDocument(overview).toJson(QJsonDocument::Compact);
}
