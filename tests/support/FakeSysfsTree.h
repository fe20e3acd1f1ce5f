#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throwaway directory standing in for the root of a Linux machine.
class FakeSysfsTree
{
public:
    FakeSysfsTree();

    QString root() const { return m_directory.path(); }
    QString path(const QString &relative) const;
    // Writes the file, creating its directories.
    void write(const QString &relative, const QByteArray &content) const;

    // applesmc of a MacBookPro11,3 with the key values it was seen with:
    // ten temperature channels (the sentinel -127 °C among them) and a fan.
    void addIntelMacBookProApplesmc() const;

private:
    QTemporaryDir m_directory;
};

// Where applesmc keeps its files, relative to the root.
inline constexpr char applesmcDirectory[] = "sys/devices/platform/applesmc.768";
