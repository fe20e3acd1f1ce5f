#include "platform/linux/MacsmcHwmonKeys.h"

#include "platform/linux/SysfsAttribute.h"
#include "platform/smc/SmcValueEncoding.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

namespace {

// A device tree string property: the text before its terminating zero.
std::optional<QByteArray> treeString(const QString &path)
{
    auto text = readFileStart(path, 256);
    if (!text)
        return std::nullopt;
    if (const qsizetype end = text->indexOf('\0'); end >= 0)
        text->truncate(end);
    return text->isEmpty() ? std::nullopt : text;
}

// The device tree nodes of the sensors, by their label.
QHash<QString, QDir> nodesByLabel(const QDir &hwmon)
{
    QHash<QString, QDir> nodes;
    const QDir tree(hwmon.filePath(QStringLiteral("device/of_node")));
    for (const QString &name : tree.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir node(tree.filePath(name));
        if (const auto label = treeString(node.filePath(QStringLiteral("label"))))
            nodes.insert(QString::fromUtf8(*label), node);
    }
    return nodes;
}

void addKey(QList<SmcKey> &keys, const std::optional<QByteArray> &name, double value)
{
    if (name && name->size() == 4)
        keys.append({smcFourCharCode(name->constData()), smcFourCharCode("flt "), smcEncodeFloat(float(value))});
}

void addChannels(QList<SmcKey> &keys, const QDir &hwmon, const QHash<QString, QDir> &nodes, const QString &kind,
                 const std::initializer_list<std::pair<const char *, const char *>> &values, double scale)
{
    static const QRegularExpression labelName(QStringLiteral("^([a-z]+)(\\d+)_label$"));
    for (const QString &file : hwmon.entryList({kind + QStringLiteral("*_label")}, QDir::Files)) {
        const auto match = labelName.match(file);
        const auto label = readAttribute(hwmon.filePath(file));
        if (!match.hasMatch() || match.captured(1) != kind || !label || !nodes.contains(*label))
            continue;
        const QDir node = nodes.value(*label);
        for (const auto &[suffix, property] : values) {
            const auto reading = readIntegerAttribute(
                hwmon.filePath(QStringLiteral("%1%2_%3").arg(kind, match.captured(2), QLatin1String(suffix))));
            if (reading)
                addKey(keys, treeString(node.filePath(QLatin1String(property))), double(*reading) / scale);
        }
    }
}

} // namespace

QList<SmcKey> macsmcHwmonKeys(const QString &hwmonDirectory)
{
    const QDir hwmon(hwmonDirectory);
    const QHash<QString, QDir> nodes = nodesByLabel(hwmon);
    QList<SmcKey> keys;
    addChannels(keys, hwmon, nodes, QStringLiteral("temp"), {{"input", "apple,key-id"}}, 1000.0);
    addChannels(keys, hwmon, nodes, QStringLiteral("fan"),
                {{"input", "apple,key-id"},
                 {"min", "apple,fan-minimum"},
                 {"max", "apple,fan-maximum"},
                 {"target", "apple,fan-target"}},
                1.0);
    return keys;
}
