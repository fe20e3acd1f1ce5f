#include "FakeCoreFoundation.h"
#include "FakeIOKit.h"
#include "FakeObjC.h"
#include "FakeSystem.h"

#include "app/DiagnosisModule.h"
#include "battery/BatteryEvaluation.h"
#include "battery/BatteryResult.h"
#include "display/DisplayResult.h"
#include "fans/FanCheck.h"
#include "machine/BatteryReader.h"
#include "machine/RepairPages.h"
#include "machine/ThermalSampling.h"
#include "platform/macos/MacBatteryService.h"
#include "platform/macos/MacPortControllers.h"
#include "platform/macos/MacPowerSource.h"
#include "platform/macos/MacSmcTransport.h"
#include "platform/macos/MacStorageDevice.h"
#include "platform/macos/MacSystemControl.h"
#include "platform/macos/MacThermalState.h"
#include "platform/processes/PsProcessTable.h"
#include "platform/tools/ProfilerHardwareOverview.h"
#include "power/PowerEvaluation.h"
#include "power/PowerResult.h"
#include "power/PowerSnapshotReader.h"
#include "speakers/SpeakerMacModel.h"
#include "storage/StorageEvaluation.h"
#include "storage/StorageResult.h"
#include "storage/StorageSnapshot.h"
#include "support/RealMachines.h"
#include "support/RecordingSleeper.h"
#include "system/ProcessReader.h"
#include "system/SystemResult.h"
#include "usbc/USBHardwareInspector.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Machines written from the published facts about each kind of Mac, one folder
// each under tests/fixtures/written-macs, replayed through the real macOS
// backends over the simulated IOKit, CoreFoundation, Objective-C runtime and
// tools, and on through every module's readers and evaluations. A folder's
// expected.json holds, per module, what the user would see.
namespace {

const QString fixtures = QStringLiteral(QUARZLINDE_SOURCE_DIR "/tests/fixtures/written-macs");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CFTypeRef toCF(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return FakeCF::makeBoolean(value.toBool());
    case QMetaType::LongLong: {
        // The registry hands small numbers over as 32-bit ones.
        const qint64 number = value.toLongLong();
        return FakeCF::makeInteger(number, qint32(number) == number ? kCFNumberSInt32Type : kCFNumberSInt64Type);
    }
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (number == double(qint64(number)))
            return FakeCF::makeInteger(qint64(number));
        return FakeCF::makeFloat(number);
    }
    case QMetaType::QString: return FakeCF::makeString(value.toString().toUtf8().constData());
    case QMetaType::QByteArray: return FakeCF::makeData(value.toByteArray());
    case QMetaType::QVariantList: {
        std::vector<CFTypeRef> elements;
        for (const QVariant &element : value.toList())
            elements.push_back(toCF(element));
        return FakeCF::makeArray(std::move(elements));
    }
    case QMetaType::QVariantMap: {
        std::vector<std::pair<CFTypeRef, CFTypeRef>> entries;
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            entries.push_back({FakeCF::makeString(it.key().toUtf8().constData()), toCF(it.value())});
        return FakeCF::makeDictionary(std::move(entries));
    }
    default: return FakeCF::makeOther();
    }
}

// "+-o name  <class C, id 0x…[, superclasses A B][, opens]>" lines, two
// columns deeper per level, each followed by its "{ … }" property block.
std::vector<FakeIOKit::Service> registryFromTree(const QByteArray &text)
{
    static const QRegularExpression entryLine(
        QStringLiteral("^( *)\\+-o (.+?)  <class (\\w+), id 0x([0-9a-f]+)(?:, superclasses ([\\w ]+))?(, opens)?>$"));
    std::vector<FakeIOKit::Service> roots;
    std::vector<std::pair<int, FakeIOKit::Service *>> open; // depth, entry
    QByteArray block;
    const auto finishBlock = [&] {
        if (!open.empty() && !block.isEmpty())
            open.back().second->properties =
                static_cast<CFDictionaryRef>(toCF(RealMachines::registryFromIoregText(block)));
        block.clear();
    };
    for (const QByteArray &line : text.split('\n')) {
        const auto match = entryLine.match(QString::fromUtf8(line));
        if (!match.hasMatch()) {
            block += line + '\n';
            continue;
        }
        finishBlock();
        const int depth = int(match.capturedLength(1)) / 2;
        while (!open.empty() && open.back().first >= depth)
            open.pop_back();
        FakeIOKit::Service entry {match.captured(3).toStdString(),
                                  {},
                                  match.captured(2).toStdString(),
                                  match.captured(4).toULongLong(nullptr, 16)};
        for (const QString &also : match.captured(5).split(u' ', Qt::SkipEmptyParts))
            entry.matchesAs.push_back(also.toStdString());
        entry.opens = match.hasCaptured(6) ? kIOReturnSuccess : kIOReturnUnsupported;
        std::vector<FakeIOKit::Service> &siblings = open.empty() ? roots : open.back().second->children;
        siblings.push_back(std::move(entry));
        open.push_back({depth, &siblings.back()});
    }
    finishBlock();
    return roots;
}

// Prints a file as the tool would, whatever it is asked.
QString toolPrinting(const QDir &directory, const QString &name, const QString &file)
{
    const QString path = directory.filePath(name);
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write("#!/bin/sh\nexec cat '" + file.toUtf8() + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// Sets the simulation up as the machine in the folder and gives the platform
// of macOS backends over it.
Platform loadMachine(const QString &folder, const QTemporaryDir &tools)
{
    const QDir dir(fixtures + u'/' + folder);
    FakeIOKit::setRegistry(registryFromTree(fileBytes(dir.filePath(QStringLiteral("ioreg.txt")))));
    FakeIOKit::setSmcKeys(RealMachines::smcDump(fileBytes(dir.filePath(QStringLiteral("smc-keys.txt")))).keys);

    const QJsonObject machine =
        QJsonDocument::fromJson(fileBytes(dir.filePath(QStringLiteral("machine.json")))).object();
    const QJsonObject sysctl = machine.value(QStringLiteral("sysctl")).toObject();
    FakeSystem::setSysctl(
        {{"hw.model", FakeSystem::sysctlText(sysctl.value(QStringLiteral("hw.model")).toString().toUtf8().constData())},
         {"hw.optional.arm64", FakeSystem::sysctlInteger(sysctl.value(QStringLiteral("hw.optional.arm64")).toInt())}});
    FakeObjC::Setup objc;
    objc.thermalState = machine.value(QStringLiteral("thermalState")).toInt();
    FakeObjC::reset(objc);
    const QJsonObject power = machine.value(QStringLiteral("powerSources")).toObject();
    const QJsonValue adapter = power.value(QStringLiteral("adapter"));
    FakeIOKit::setPowerSources(true, power.value(QStringLiteral("providing")).toString().toStdString(),
                               adapter.isObject() ? static_cast<CFDictionaryRef>(toCF(adapter.toVariant())) : nullptr);
    FakeSystem::Volume volume;
    const QJsonObject capacities = machine.value(QStringLiteral("volume")).toObject();
    for (auto it = capacities.begin(); it != capacities.end(); ++it)
        volume.capacities[it.key().toStdString()] = qint64(it.value().toDouble());
    FakeSystem::setVolume(volume);

    const QDir toolDir(tools.path());
    Platform platform;
    platform.batteryService = std::make_shared<MacBatteryService>();
    platform.hardwareOverview = std::make_shared<ProfilerHardwareOverview>(
        toolPrinting(toolDir, QStringLiteral("system_profiler"), dir.filePath(QStringLiteral("system_profiler.json"))));
    platform.systemControl = std::make_shared<MacSystemControl>();
    platform.processTable = std::make_shared<PsProcessTable>(
        toolPrinting(toolDir, QStringLiteral("ps"), dir.filePath(QStringLiteral("ps.txt"))));
    platform.smcTransport = std::make_shared<MacSmcTransport>();
    platform.thermalState = std::make_shared<MacThermalState>();
    platform.powerSource = std::make_shared<MacPowerSource>();
    platform.portControllers = std::make_shared<MacPortControllers>();
    platform.externalPower = std::make_shared<MacExternalPower>();
    platform.storage = std::make_shared<MacStorageDevice>(
        toolPrinting(toolDir, QStringLiteral("diskutil"), dir.filePath(QStringLiteral("diskutil-info.txt"))));
    return platform;
}

template<typename Enum>
QString keyOf(Enum value)
{
    return QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(int(value)));
}

MacBookFamily familyOf(const Platform &platform)
{
    const auto outcome = catchBatteryReadFailure([&] { return BatteryReader(platform).read().family; });
    return outcome.value.value_or(MacBookFamily::unsupported);
}

QJsonObject batteryShown(const Platform &platform)
{
    try {
        const BatterySnapshot snapshot = BatteryReader(platform).read();
        const BatteryEvaluation evaluation = evaluate(snapshot);
        const BatteryResult result = batteryResult(snapshot, evaluation);
        return {{"verdict", keyOf(evaluation.verdict)},
                {"subtitle", result.subtitle},
                {"title", result.look.title},
                {"health", result.metrics.health.value},
                {"cycles", result.metrics.cycles.value},
                {"condition", result.metrics.condition.value},
                {"fullCharge", result.metrics.fullCharge.value},
                {"charge", result.metrics.charge.value},
                {"chargeSubtitle", result.metrics.charge.subtitle}};
    } catch (BatteryReaderError error) {
        return {{"error", localizedDescription(error)}};
    }
}

QJsonObject systemShown(const Platform &platform)
{
    const auto sleeper = std::make_shared<RecordingSleeper>();
    const ThermalReport thermal = readThermalReport(platform, *sleeper, 3, 0.3);
    const ProcessLoadReport processes = ProcessReader(platform, sleeper).sample(3, 0.2);
    const auto battery = catchBatteryReadFailure([&] { return BatteryReader(platform).read(); });
    const bool onBattery = !(battery.value && battery.value->externalPowerConnected == true);
    const ThermalEvaluation thermalEvaluation = evaluateThermal(thermal.sensors, thermal.systemThermalState);
    const SystemResult result =
        systemResult(thermal, thermalEvaluation, processes, evaluateProcessLoad(processes, onBattery), onBattery);
    QStringList flagged;
    for (const FlaggedProcessRow &row : result.processes.flagged)
        flagged.append(row.name + u' ' + row.average);
    return {{"temperatures", result.thermalLook.title},
            {"summary", result.temperatures.summary},
            {"load", result.loadLook.title},
            {"flagged", QJsonArray::fromStringList(flagged)},
            {"cleaningLink", result.offersCleaning()}};
}

QJsonObject powerShown(const Platform &platform)
{
    try {
        const PowerReading reading = readPowerSnapshot(platform);
        const PowerResult result = powerResult(reading.snapshot, evaluate(reading.snapshot), reading.family);
        return {{"verdict", rawValue(result.verdict)},
                {"title", result.title},
                {"details", QJsonArray::fromStringList(result.details)},
                {"pills", QJsonArray::fromStringList({result.adapterWatts, result.charge, result.source})}};
    } catch (BatteryReaderError error) {
        return {{"error", localizedDescription(error)}};
    }
}

QJsonObject fansShown(const Platform &platform)
{
    const FanDiagnosticResult result = computeFanResult(platform, RecordingSleeper());
    return {{"verdict", rawValue(result.verdict)},
            {"title", result.title},
            {"details", QJsonArray::fromStringList(result.details())},
            {"cleaningLink", result.cleaningRecommended}};
}

QJsonObject usbShown(const Platform &platform)
{
    const USBHardwareReport report = USBHardwareInspector(platform).makeHardwareReport();
    QStringList ports;
    for (const USBPortDescriptor &port : report.portDescriptors)
        ports.append(port.registryPath);
    return {{"mac", report.identity.marketingName + u' ' + report.identity.modelIdentifier},
            {"expectedPorts", report.expectedPortCount},
            {"controllers", report.rawControllerCount},
            {"ports", QJsonArray::fromStringList(ports)},
            {"conclusive", report.controllerCheckIsConclusive},
            {"controllerFailure", report.probableControllerFailure}};
}

QJsonObject storageShown(const Platform &platform)
{
    // One block, timed by a clock that advances a tenth of a second per look.
    double now = 0;
    SpeedTestSettings settings;
    settings.fileBytes = speedTestBlockBytes;
    settings.seconds = [&now] { return now += 0.1; };
    const StorageSnapshotOutcome outcome = readStorageSnapshot(*platform.storage, {}, settings);
    if (!outcome.snapshot)
        return {{"error", true}};
    const StorageResult result = storageResult(*outcome.snapshot, evaluateStorage(*outcome.snapshot));
    return {{"verdict", rawValue(result.verdict)},
            {"title", result.title},
            {"details", QJsonArray::fromStringList(result.details)}};
}

QJsonObject shown(DiagnosisModule module, const Platform &platform)
{
    switch (module) {
    case DiagnosisModule::battery: return batteryShown(platform);
    case DiagnosisModule::system: return systemShown(platform);
    case DiagnosisModule::power: return powerShown(platform);
    case DiagnosisModule::fans: return fansShown(platform);
    case DiagnosisModule::usbC: return usbShown(platform);
    case DiagnosisModule::speakers: return {{"mac", readSpeakerMacModel(*platform.systemControl).displayName()}};
    case DiagnosisModule::display: return {{"repairPage", displayRepairURL(familyOf(platform)).path()}};
    case DiagnosisModule::input:
        return {{"keyboardPage", keyboardRepairURL(familyOf(platform)).path()},
                {"trackpadPage", trackpadRepairURL(familyOf(platform)).path()}};
    // The camera and microphone come through Qt's multimedia on every
    // system; the macOS backends give them nothing to read.
    case DiagnosisModule::media: return {{"family", rawValue(familyOf(platform))}};
    case DiagnosisModule::storage: return storageShown(platform);
    }
    return {};
}

QString text(const QJsonValue &value)
{
    if (value.isArray())
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    return value.toVariant().toString();
}

} // namespace

class MacReplayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void replays_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("module");
        const QStringList folders = QDir(fixtures).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        QVERIFY(folders.size() >= 4);
        for (const QString &folder : folders) {
            for (const DiagnosisModule module : allDiagnosisModules())
                QTest::addRow("%s %s", qPrintable(folder), qPrintable(rawValue(module))) << folder << rawValue(module);
        }
    }

    void replays()
    {
        QFETCH(QString, folder);
        QFETCH(QString, module);
        const int liveBefore = FakeCF::liveObjects();
        QTemporaryDir tools;
        const QJsonObject seen = shown(*diagnosisModule(module), loadMachine(folder, tools));
        const QJsonObject all =
            QJsonDocument::fromJson(fileBytes(fixtures + u'/' + folder + QStringLiteral("/expected.json"))).object();
        const QJsonValue expected = all.value(module);
        if (!expected.isObject())
            qInfo().noquote() << "SEEN" << folder << module << QJsonDocument(seen).toJson(QJsonDocument::Compact);
        QVERIFY2(expected.isObject(), "the machine has no expectations for this module");
        const QJsonObject wanted = expected.toObject();
        QCOMPARE(seen.keys(), wanted.keys());
        for (const QString &field : wanted.keys())
            QCOMPARE(field + QStringLiteral(": ") + text(seen.value(field)),
                     field + QStringLiteral(": ") + text(wanted.value(field)));

        // Every service, iterator, connection and CF object the backends took is given back once.
        QCOMPARE(FakeIOKit::heldObjects(), 0);
        QCOMPARE(FakeIOKit::overReleases(), 0);
        FakeIOKit::clearRegistry();
        QCOMPARE(FakeCF::liveObjects(), liveBefore);
        QCOMPARE(FakeCF::overReleases(), 0);
    }
};

QTEST_GUILESS_MAIN(MacReplayTest)
#include "MacReplayTest.moc"
