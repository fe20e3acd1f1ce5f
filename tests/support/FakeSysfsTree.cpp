#include "support/FakeSysfsTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FakeSysfsTree::FakeSysfsTree() = default;

QString FakeSysfsTree::path(const QString &relative) const
{
    return m_directory.filePath(relative);
}

void FakeSysfsTree::write(const QString &relative, const QByteArray &content) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file));
}

void FakeSysfsTree::addIntelMacBookProApplesmc() const
{
    const QString device = QLatin1String(applesmcDirectory) + QLatin1Char('/');
    write(device + QStringLiteral("name"), "applesmc\n");
    const std::pair<const char *, const char *> channels[] = {
        {"TB0T", "26250"}, {"TB1T", "25750"}, {"TC0E", "60000"}, {"TC0P", "57750"},  {"TG0P", "52000"},
        {"TH0c", "-127000"}, {"TM0P", "45500"}, {"Ts0P", "31000"}, {"TW0P", "40250"}, {"TCTD", "0"},
    };
    int channel = 1;
    for (const auto &[key, milliCelsius] : channels) {
        write(device + QStringLiteral("temp%1_label").arg(channel), QByteArray(key) + '\n');
        write(device + QStringLiteral("temp%1_input").arg(channel), QByteArray(milliCelsius) + '\n');
        ++channel;
    }
    write(device + QStringLiteral("fan1_label"), "Left side  \n");
    write(device + QStringLiteral("fan1_input"), "2321\n");
    write(device + QStringLiteral("fan1_min"), "2160\n");
    write(device + QStringLiteral("fan1_max"), "6156\n");
    write(device + QStringLiteral("fan1_output"), "2304\n");
}
