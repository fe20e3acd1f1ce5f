#include "platform/linux/ApplesmcSensorKeys.h"

#include "platform/linux/SysfsAttribute.h"
#include "platform/smc/SmcValueEncoding.h"

#include <QDir>
#include <QRegularExpression>

namespace {

constexpr int maximumFans = 10;

void addKey(QList<SmcKey> &keys, const QByteArray &name, const char *type, const std::optional<QByteArray> &value)
{
    if (name.size() == 4 && value)
        keys.append({smcFourCharCode(name.constData()), smcFourCharCode(type), *value});
}

void addTemperatures(QList<SmcKey> &keys, const QDir &device)
{
    static const QRegularExpression labelName(QStringLiteral("^temp(\\d+)_label$"));
    for (const QString &file : device.entryList({QStringLiteral("temp*_label")}, QDir::Files)) {
        const auto match = labelName.match(file);
        if (!match.hasMatch())
            continue;
        const auto label = readAttribute(device.filePath(file));
        const auto milliCelsius =
            readIntegerAttribute(device.filePath(QStringLiteral("temp%1_input").arg(match.captured(1))));
        if (!label || !milliCelsius)
            continue;
        // The driver shows sp78 cut to quarter degrees, so quarters go back exactly.
        addKey(keys, label->toLatin1(), "sp78", smcEncodeSp78(double(qRound64(*milliCelsius / 250.0)) / 4.0));
    }
}

void addFans(QList<SmcKey> &keys, const QDir &device)
{
    static const std::pair<const char *, const char *> speeds[] = {
        {"input", "Ac"}, {"min", "Mn"}, {"max", "Mx"}, {"output", "Tg"}};
    int fanCount = 0;
    for (int fan = 0; fan < maximumFans; ++fan) {
        for (const auto &[file, suffix] : speeds) {
            const auto rpm =
                readIntegerAttribute(device.filePath(QStringLiteral("fan%1_%2").arg(fan + 1).arg(QLatin1String(file))));
            if (!rpm)
                continue;
            addKey(keys, QByteArray("F") + QByteArray::number(fan) + suffix, "fpe2", smcEncodeFpe2(double(*rpm)));
            fanCount = fan + 1;
        }
    }
    if (fanCount > 0)
        addKey(keys, "FNum", "ui8 ", smcEncodeUnsigned(quint32(fanCount), 1));
}

} // namespace

QList<SmcKey> applesmcSensorKeys(const QString &deviceDirectory)
{
    const QDir device(deviceDirectory);
    QList<SmcKey> keys;
    addTemperatures(keys, device);
    addFans(keys, device);
    return keys;
}
