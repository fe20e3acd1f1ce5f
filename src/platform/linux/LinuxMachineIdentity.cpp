#include "platform/linux/LinuxMachineIdentity.h"

#include "platform/linux/SysfsAttribute.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

namespace {

// Apple silicon notebooks by board name (the device tree's "apple,jNNN").
const QHash<QString, QString> &notebookIdentifiers()
{
    static const QHash<QString, QString> identifiers {
        {QStringLiteral("j293"), QStringLiteral("MacBookPro17,1")},
        {QStringLiteral("j313"), QStringLiteral("MacBookAir10,1")},
        {QStringLiteral("j314s"), QStringLiteral("MacBookPro18,3")},
        {QStringLiteral("j314c"), QStringLiteral("MacBookPro18,4")},
        {QStringLiteral("j316s"), QStringLiteral("MacBookPro18,1")},
        {QStringLiteral("j316c"), QStringLiteral("MacBookPro18,2")},
        {QStringLiteral("j413"), QStringLiteral("Mac14,2")},
        {QStringLiteral("j415"), QStringLiteral("Mac14,15")},
        {QStringLiteral("j493"), QStringLiteral("Mac14,7")},
        {QStringLiteral("j414s"), QStringLiteral("Mac14,9")},
        {QStringLiteral("j414c"), QStringLiteral("Mac14,5")},
        {QStringLiteral("j416s"), QStringLiteral("Mac14,10")},
        {QStringLiteral("j416c"), QStringLiteral("Mac14,6")},
    };
    return identifiers;
}

std::optional<QByteArray> readDeviceTreeProperty(const QString &root, const char *name)
{
    for (const char *base : {"proc/device-tree", "sys/firmware/devicetree/base"}) {
        if (auto property =
                readFileStart(QDir(root).filePath(QLatin1String(base) + QLatin1Char('/') + QLatin1String(name)), 4096))
            return property;
    }
    return std::nullopt;
}

LinuxMachineIdentity deviceTreeIdentity(const QString &root)
{
    LinuxMachineIdentity identity;
    const auto compatible = readDeviceTreeProperty(root, "compatible");
    if (!compatible || !compatible->contains("apple,arm-platform"))
        return identity;

    const auto model = readDeviceTreeProperty(root, "model");
    QString modelText = model
        ? QString::fromUtf8(model->left(model->indexOf('\0') < 0 ? model->size() : model->indexOf('\0'))).trimmed()
        : QString();
    // "Apple MacBook Air (13-inch, M2, 2022)" names the line "MacBook Air".
    static const QRegularExpression decoration(QStringLiteral("^Apple\\s+|\\s*\\(.*\\)\\s*$"));
    const QString name = QString(modelText).remove(decoration).trimmed();
    if (!name.isEmpty())
        identity.modelName = name;

    for (const QByteArray &entry : compatible->split('\0')) {
        if (!entry.startsWith("apple,j"))
            continue;
        const auto known = notebookIdentifiers().constFind(QString::fromLatin1(entry.mid(6)));
        if (known != notebookIdentifiers().constEnd())
            identity.modelIdentifier = known.value();
        break;
    }
    if (!identity.modelIdentifier && !modelText.isEmpty())
        identity.modelIdentifier = modelText;
    return identity;
}

} // namespace

LinuxMachineIdentity readMachineIdentity(const QString &root)
{
    if (const auto product = readAttribute(QDir(root).filePath(QStringLiteral("sys/class/dmi/id/product_name"))))
        return {product->trimmed(), std::nullopt};
    return deviceTreeIdentity(root);
}
