#include "support/RealMachines.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cctype>

namespace RealMachines {

namespace {

const QString redacted = QStringLiteral("<redacted>");

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// The registry hands these out as booleans; some forms publish them as 0 and 1.
QVariant restoreBooleans(const QString &key, QVariant value)
{
    static const QStringList booleans =
        QStringLiteral("BatteryInstalled built-in ExternalConnected ExternalChargeCapable AppleRawExternalConnected "
                       "IsCharging FullyCharged AtCriticalLevel IsWireless")
            .split(u' ');
    if (value.typeId() == QMetaType::QVariantMap) {
        QVariantMap map = value.toMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            it.value() = restoreBooleans(it.key(), it.value());
        return map;
    }
    if (value.typeId() == QMetaType::QVariantList) {
        QVariantList list = value.toList();
        for (QVariant &element : list)
            element = restoreBooleans(key, element);
        return list;
    }
    const bool zeroOrOne =
        value.typeId() == QMetaType::LongLong && (value.toLongLong() == 0 || value.toLongLong() == 1);
    return zeroOrOne && booleans.contains(key) ? QVariant(value.toLongLong() == 1) : value;
}

// Raw ioreg text: "Key" = value, one property a line, values as ioreg prints
// them. A line cut off or not understood is left out.
class IoregValue
{
public:
    explicit IoregValue(QStringView text)
        : m_text(text)
    {
    }

    std::optional<QVariant> whole()
    {
        auto value = next();
        return value && m_at == m_text.size() ? value : std::nullopt;
    }

private:
    std::optional<QVariant> next()
    {
        if (m_at >= m_text.size())
            return std::nullopt;
        const QChar first = m_text[m_at];
        if (first == u'"') {
            auto text = quoted();
            return text ? std::optional<QVariant>(*text) : std::nullopt;
        }
        if (first == u'(')
            return list();
        if (first == u'{')
            return dictionary();
        if (first == u'<')
            return data();
        return scalar();
    }

    std::optional<QString> quoted()
    {
        const qsizetype end = m_text.indexOf(u'"', m_at + 1);
        if (end < 0)
            return std::nullopt;
        const QString text = m_text.mid(m_at + 1, end - m_at - 1).toString();
        m_at = end + 1;
        return text;
    }

    bool take(QChar c)
    {
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    std::optional<QVariant> list()
    {
        ++m_at;
        QVariantList list;
        if (take(u')'))
            return list;
        do {
            auto element = next();
            if (!element)
                return std::nullopt;
            list.append(*element);
        } while (take(u','));
        return take(u')') ? std::optional<QVariant>(list) : std::nullopt;
    }

    std::optional<QVariant> dictionary()
    {
        ++m_at;
        QVariantMap map;
        if (take(u'}'))
            return map;
        do {
            const auto key = m_at < m_text.size() && m_text[m_at] == u'"' ? quoted() : std::nullopt;
            if (!key || !take(u'='))
                return std::nullopt;
            auto value = next();
            if (!value)
                return std::nullopt;
            map.insert(*key, *value);
        } while (take(u','));
        return take(u'}') ? std::optional<QVariant>(map) : std::nullopt;
    }

    std::optional<QVariant> data()
    {
        const qsizetype end = m_text.indexOf(u'>', m_at);
        if (end < 0)
            return std::nullopt;
        const QByteArray hex = m_text.mid(m_at + 1, end - m_at - 1).toLatin1();
        m_at = end + 1;
        // "<redacted>" is no data.
        if (!std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(uchar(c)) != 0; }))
            return std::nullopt;
        return QByteArray::fromHex(hex);
    }

    // Yes, No or a number; ioreg prints negative numbers as unsigned 64 bits.
    std::optional<QVariant> scalar()
    {
        qsizetype end = m_at;
        while (end < m_text.size() && m_text[end] != u',' && m_text[end] != u')' && m_text[end] != u'}')
            ++end;
        const QStringView word = m_text.mid(m_at, end - m_at);
        m_at = end;
        if (word == u"Yes")
            return true;
        if (word == u"No")
            return false;
        bool ok = false;
        if (const quint64 number = word.toULongLong(&ok); ok)
            return qint64(number);
        if (const qint64 number = word.toLongLong(&ok); ok)
            return number;
        if (const double number = word.toDouble(&ok); ok)
            return number;
        return std::nullopt;
    }

    QStringView m_text;
    qsizetype m_at = 0;
};

// One plist value at its start element; none when the document ends inside it.
std::optional<QVariant> plistValue(QXmlStreamReader &xml)
{
    const QStringView name = xml.name();
    if (name == u"dict") {
        QVariantMap map;
        while (xml.readNextStartElement()) {
            if (xml.name() != u"key") {
                xml.skipCurrentElement();
                continue;
            }
            const QString key = xml.readElementText();
            if (xml.hasError() || !xml.readNextStartElement())
                break;
            const auto value = plistValue(xml);
            if (!value || xml.hasError())
                break;
            map.insert(key, *value);
        }
        // A cut inside leaves the caller to drop the value; the outermost
        // dictionary keeps what was complete before it.
        return map;
    }
    if (name == u"array") {
        QVariantList list;
        while (xml.readNextStartElement()) {
            const auto value = plistValue(xml);
            if (!value || xml.hasError())
                break;
            list.append(*value);
        }
        return list;
    }
    if (name == u"true" || name == u"false") {
        const bool value = name == u"true";
        xml.skipCurrentElement();
        return xml.hasError() ? std::nullopt : std::optional<QVariant>(value);
    }
    const QString text = xml.readElementText();
    if (xml.hasError())
        return std::nullopt;
    if (name == u"integer")
        return text.toLongLong();
    if (name == u"real")
        return text.toDouble();
    if (name == u"data")
        return QByteArray::fromBase64(text.toLatin1());
    return text;
}

struct TreeNode
{
    QString label;
    QList<TreeNode> children;
    bool isLeaf() const { return children.isEmpty(); }
};

// A leaf of the tree rendering: the rendering does not say a value's type,
// so a text that reads as a number is one.
std::optional<QVariant> treeScalar(const QString &label)
{
    static const QRegularExpression integer(QStringLiteral("^-?(0|[1-9][0-9]*)$"));
    static const QRegularExpression real(QStringLiteral("^-?[0-9]+\\.[0-9]+$"));
    static const QRegularExpression data(QStringLiteral("^\\{length = ([0-9]+), bytes = 0x([0-9a-f .]*)\\}$"));
    if (label == redacted)
        return std::nullopt;
    if (label == u"empty")
        return QVariantList();
    if (integer.match(label).hasMatch())
        return label.toLongLong();
    if (real.match(label).hasMatch())
        return label.toDouble();
    if (const auto match = data.match(label); match.hasMatch()) {
        const QByteArray bytes = QByteArray::fromHex(match.captured(2).toLatin1());
        // Long data is shown abbreviated ("... ").
        if (bytes.size() != match.captured(1).toLongLong())
            return std::nullopt;
        return bytes;
    }
    return label;
}

std::optional<QVariant> treeValue(const QList<TreeNode> &children);

QVariant treeContainer(const QList<TreeNode> &children)
{
    const bool elements = std::all_of(children.begin(), children.end(),
                                      [](const TreeNode &child) { return child.isLeaf() || child.label == u"."; });
    if (elements) {
        QVariantList list;
        for (const TreeNode &child : children) {
            const auto element =
                child.isLeaf() ? treeScalar(child.label) : std::optional(treeContainer(child.children));
            if (element)
                list.append(*element);
        }
        return list;
    }
    QVariantMap map;
    for (const TreeNode &child : children) {
        if (const auto value = treeValue(child.children))
            map.insert(child.label, *value);
    }
    return map;
}

// What a key's children say: one leaf is its value, anything else a container.
std::optional<QVariant> treeValue(const QList<TreeNode> &children)
{
    if (children.isEmpty())
        return std::nullopt;
    if (children.size() == 1 && children.first().isLeaf())
        return treeScalar(children.first().label);
    return treeContainer(children);
}

std::optional<QVariant> jsonValue(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Object: {
        QVariantMap map;
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (auto converted = jsonValue(it.value()))
                map.insert(it.key(), *converted);
        }
        return map;
    }
    case QJsonValue::Array: {
        QVariantList list;
        for (const QJsonValue &element : value.toArray()) {
            if (auto converted = jsonValue(element))
                list.append(*converted);
        }
        return list;
    }
    case QJsonValue::Bool: return value.toBool();
    case QJsonValue::Double: {
        const QVariant number = value.toVariant();
        if (number.typeId() == QMetaType::LongLong)
            return number;
        return value.toDouble();
    }
    case QJsonValue::String: {
        const QString text = value.toString();
        if (text == redacted || text.startsWith(QLatin1String("<data: ")))
            return std::nullopt;
        return text;
    }
    default: return std::nullopt;
    }
}

QString fixtureDirectory()
{
    return QStringLiteral(QUARZLINDE_MACHINE_FIXTURES);
}

} // namespace

QJsonObject RealMachine::expected(const QString &module) const
{
    return replay.value(module).toObject();
}

SimulatedMachine RealMachine::simulated(const QString &module) const
{
    const QJsonObject machine = replay.value(QStringLiteral("machine")).toObject();
    const QJsonObject own = expected(module);
    const auto file = [&](const char *name) {
        const QString key = QString::fromLatin1(name);
        return own.value(key).toString(machine.value(key).toString());
    };
    const QDir folderDir(fixtureDirectory() + u'/' + folder);

    SimulatedMachine simulated;
    if (const QString registry = file("registry"); !registry.isEmpty())
        simulated.batteryProperties = registryEntry(folderDir.filePath(registry));
    if (const QString smc = file("smc"); !smc.isEmpty()) {
        SmcDump dump = smcDump(contents(folderDir.filePath(smc)));
        simulated.smcKeys = std::move(dump.keys);
        simulated.unreadableSmcKeys = std::move(dump.unreadable);
    }
    if (machine.contains(QStringLiteral("hw.model")))
        simulated.hwModel = machine.value(QStringLiteral("hw.model")).toString();
    // Only the hardware part of the overview is published, if anything.
    if (const QJsonValue hardware = machine.value(QStringLiteral("SPHardwareDataType")); hardware.isObject()) {
        const QJsonObject overview {{QStringLiteral("SPHardwareDataType"), QJsonArray {hardware}}};
        simulated.overviewJson = QJsonDocument(overview).toJson(QJsonDocument::Compact);
    }
    // Not published: the replays run at a nominal thermal state.
    simulated.thermalState = 0;
    return simulated;
}

QList<RealMachine> all()
{
    QList<RealMachine> machines;
    const QDir directory(fixtureDirectory());
    for (const QString &folder : directory.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        RealMachine machine {folder, {}};
        const QString replay = directory.filePath(folder + QStringLiteral("/replay.json"));
        if (QFile::exists(replay))
            machine.replay = QJsonDocument::fromJson(contents(replay)).object();
        machines.append(machine);
    }
    return machines;
}

QVariantMap registryEntry(const QString &path)
{
    const QByteArray text = contents(path);
    if (path.endsWith(QLatin1String(".json")))
        return registryFromJson(text);
    if (path.endsWith(QLatin1String(".tree.txt")))
        return registryFromTree(text);
    if (path.endsWith(QLatin1String(".xml")))
        return registryFromPlist(text);
    return registryFromIoregText(text);
}

QVariantMap registryFromIoregText(const QByteArray &text)
{
    static const QRegularExpression property(QStringLiteral("^[ |]*\"([^\"]+)\" = (.*)$"));
    QVariantMap map;
    for (const QString &line : QString::fromUtf8(text).split(u'\n')) {
        const auto match = property.match(line);
        if (!match.hasMatch())
            continue;
        if (const auto value = IoregValue(match.capturedView(2)).whole())
            map.insert(match.captured(1), *value);
    }
    return map;
}

QVariantMap registryFromPlist(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    // ioreg -a lists the matching entries; the first one is the service.
    while (reader.readNextStartElement()) {
        if (reader.name() == u"dict") {
            return restoreBooleans({}, plistValue(reader).value_or(QVariantMap())).toMap();
        }
    }
    return {};
}

QVariantMap registryFromTree(const QByteArray &text)
{
    // Each level is four characters wide: "│   " or "    " above, "├── " or
    // "└── " in front of the node itself; the blanks are partly no-break spaces.
    QList<TreeNode> root;
    QList<QList<TreeNode> *> path {&root};
    for (QString line : QString::fromUtf8(text).split(u'\n')) {
        line.replace(QChar::Nbsp, u' ');
        qsizetype depth = 0;
        while (line.mid(depth * 4, 4) == QStringLiteral("│   ") || line.mid(depth * 4, 4) == QStringLiteral("    "))
            ++depth;
        const QString connector = line.mid(depth * 4, 4);
        if ((connector != QStringLiteral("├── ") && connector != QStringLiteral("└── ")) || depth >= path.size())
            continue;
        path.resize(depth + 1);
        QList<TreeNode> &siblings = *path.last();
        siblings.append({line.mid(depth * 4 + 4), {}});
        path.append(&siblings.last().children);
    }
    return restoreBooleans({}, treeContainer(root)).toMap();
}

QVariantMap registryFromJson(const QByteArray &json)
{
    return restoreBooleans({}, jsonValue(QJsonDocument::fromJson(json).object()).value_or(QVariantMap())).toMap();
}

SmcDump smcDump(const QByteArray &text)
{
    static const QRegularExpression listed(
        QStringLiteral("^  (.{4})  \\[(.{4})\\]  .*\\(bytes ((?:[0-9a-f]{2} ?)+|<redacted>)\\)$"));
    static const QRegularExpression read(QStringLiteral(
        "^\\[(.{4})\\] type \\[(.{4})\\] [0-9A-F]{8} len \\[ *([0-9]+)\\] attr \\[[0-9A-F]{2}\\] -> (.*)$"));
    SmcDump dump;
    for (const QString &line : QString::fromUtf8(text).split(u'\n')) {
        // Keys found only by name are not counted or indexed by the SMC.
        if (line.startsWith(QLatin1String("Hidden keys")))
            break;
        QString key;
        QString type;
        QByteArray value;
        bool readable = true;
        if (const auto match = listed.match(line); match.hasMatch()) {
            key = match.captured(1);
            type = match.captured(2);
            readable = match.captured(3) != redacted;
            if (readable)
                value = QByteArray::fromHex(match.captured(3).toLatin1());
        } else if (const auto match = read.match(line); match.hasMatch()) {
            key = match.captured(1);
            type = match.captured(2);
            const qsizetype size = match.captured(3).toLongLong();
            readable = !match.captured(4).startsWith(QLatin1String("NOT READABLE"));
            value = readable ? QByteArray::fromHex(match.captured(4).toLatin1()) : QByteArray(size, '\0');
        } else {
            continue;
        }
        const std::uint32_t code = smcFourCharCode(key.toLatin1().constData());
        dump.keys.append({code, smcFourCharCode(type.toLatin1().constData()), value});
        if (!readable)
            dump.unreadable.append(code);
    }
    return dump;
}

} // namespace RealMachines
