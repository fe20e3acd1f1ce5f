#pragma once

#include "support/FakePlatform.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariantMap>

// Data published from real Macs, one folder each under tests/fixtures/machines,
// read into the shapes the platform hands over. Values are taken as published:
// a dump cut short stays short, and a redacted or abbreviated value is none.
namespace RealMachines {

// One folder and its replay.json: which published files stand for the machine
// and what each module's replay expects.
struct RealMachine
{
    QString folder;
    QJsonObject replay;

    // The module's expectations, empty when the folder has none for it.
    QJsonObject expected(const QString &module) const;
    // The machine as the module sees it; a module's own "registry" or "smc"
    // file takes the place of the machine's.
    SimulatedMachine simulated(const QString &module) const;
};

// Every folder, in name order; one without replay.json has an empty replay.
QList<RealMachine> all();

// A battery service's properties from any published form, told apart by the
// file name: "*.json" normalised JSON, "*.tree.txt" tree rendering, "*.xml"
// plist, any other text raw ioreg output.
QVariantMap registryEntry(const QString &path);
QVariantMap registryFromIoregText(const QByteArray &text);
QVariantMap registryFromPlist(const QByteArray &xml);
QVariantMap registryFromTree(const QByteArray &text);
QVariantMap registryFromJson(const QByteArray &json);

// An SMC key list in either published form ("KEY  [type]  value (bytes ..)"
// or "[KEY] type [type] .. len [n] .. -> HEX"). Keys whose value was not
// readable or is redacted are listed, and their reads fail.
struct SmcDump
{
    QList<SmcKey> keys;
    QList<std::uint32_t> unreadable;
};
SmcDump smcDump(const QByteArray &text);

} // namespace RealMachines
