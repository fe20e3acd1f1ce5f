#include "system/ProcessLoadEvaluation.h"
#include "system/ProcessRating.h"
#include "system/ProcessSummaryText.h"

#include <QLocale>
#include <QtTest>

namespace {

const QString spotlight = QStringLiteral("Spotlight führt wahrscheinlich eine Indizierung aus");

ProcessCPURecord record(qint64 pid, const QString &name, ProcessOrigin origin, double average, double peak,
                        int samples = 8, std::optional<QString> note = std::nullopt)
{
    return {pid, name, QStringLiteral("/path/") + name, origin, average, peak, 100, samples, std::move(note)};
}

ProcessLoadReport report(QList<ProcessCPURecord> processes, int sampleCount = 8)
{
    ProcessLoadReport result;
    result.processes = std::move(processes);
    result.sampleCount = sampleCount;
    result.durationSeconds = 3.2;
    return result;
}

QList<qint64> pids(const QList<ProcessCPURecord> &records)
{
    QList<qint64> result;
    for (const ProcessCPURecord &record : records)
        result << record.pid;
    return result;
}

} // namespace

class LoadEvaluationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // Every limit is tested where it starts to count and just below.
    void ratesAtTheLimits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ProcessOrigin>("origin");
        QTest::addColumn<bool>("hasNote");
        QTest::addColumn<bool>("onBattery");
        QTest::addColumn<double>("average");
        QTest::addColumn<double>("peak");
        QTest::addColumn<ProcessLoadVerdict>("rating");

        struct Kind
        {
            const char *tag;
            QString name;
            ProcessOrigin origin;
            bool hasNote;
            bool onBattery;
            double heavyAverage, heavyPeak, elevatedAverage, elevatedPeak;
        };
        const Kind kinds[] = {
            {"kernel_task", "kernel_task", ProcessOrigin::appleSystem, true, true, 160, 240, 85, 140},
            {"kernel_task on power", "kernel_task", ProcessOrigin::appleSystem, true, false, 160, 240, 85, 140},
            {"kernel_task in any case and origin", "Kernel_Task", ProcessOrigin::application, false, true, 160, 240, 85,
             140},
            {"system with note", "mds", ProcessOrigin::appleSystem, true, true, 180, 280, 95, 175},
            {"system with note on power", "mds", ProcessOrigin::appleSystem, true, false, 180, 280, 95, 175},
            {"system without note", "logd", ProcessOrigin::appleSystem, false, false, 220, 340, 130, 220},
            {"helper on battery", "h", ProcessOrigin::helper, false, true, 105, 180, 45, 95},
            {"background on battery", "b", ProcessOrigin::background, true, true, 105, 180, 45, 95},
            {"unknown on battery", "u", ProcessOrigin::unknown, false, true, 105, 180, 45, 95},
            {"helper on power", "h", ProcessOrigin::helper, false, false, 125, 210, 65, 120},
            {"background on power", "b", ProcessOrigin::background, false, false, 125, 210, 65, 120},
            {"unknown on power", "u", ProcessOrigin::unknown, true, false, 125, 210, 65, 120},
        };
        const auto heavy = ProcessLoadVerdict::heavy;
        const auto elevated = ProcessLoadVerdict::elevated;
        const auto good = ProcessLoadVerdict::good;
        for (const Kind &k : kinds) {
            const auto row = [&k](const char *what, double average, double peak, ProcessLoadVerdict rating) {
                QTest::addRow("%s: %s", k.tag, what)
                    << k.name << k.origin << k.hasNote << k.onBattery << average << peak << rating;
            };
            row("heavy average", k.heavyAverage, 0, heavy);
            row("below heavy average", k.heavyAverage - 0.1, 0, elevated);
            row("heavy peak", 0, k.heavyPeak, heavy);
            row("below heavy peak", 0, k.heavyPeak - 0.1, elevated);
            row("elevated average", k.elevatedAverage, 0, elevated);
            row("below elevated average", k.elevatedAverage - 0.1, 0, good);
            row("elevated peak", 0, k.elevatedPeak, elevated);
            row("below elevated peak", 0, k.elevatedPeak - 0.1, good);
        }
        QTest::newRow("application never")
            << "a" << ProcessOrigin::application << false << true << 900.0 << 900.0 << good;
    }

    void ratesAtTheLimits()
    {
        QFETCH(QString, name);
        QFETCH(ProcessOrigin, origin);
        QFETCH(bool, hasNote);
        QFETCH(bool, onBattery);
        QFETCH(double, average);
        QFETCH(double, peak);
        QFETCH(ProcessLoadVerdict, rating);
        const std::optional<QString> note = hasNote ? std::optional<QString>(QStringLiteral("Hinweis")) : std::nullopt;
        QCOMPARE(rateProcess(record(1, name, origin, average, peak, 8, note), onBattery), rating);
    }

    void picksRelevantProcesses_data()
    {
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("presence");
        QTest::addColumn<ProcessOrigin>("origin");
        QTest::addColumn<double>("average");
        QTest::addColumn<double>("peak");
        QTest::addColumn<bool>("relevant");
        const auto background = ProcessOrigin::background;
        QTest::newRow("8 rounds, seen in 3") << 8 << 3 << background << 20.0 << 20.0 << false;
        QTest::newRow("8 rounds, seen in 4") << 8 << 4 << background << 20.0 << 20.0 << true;
        QTest::newRow("5 rounds, seen in 2") << 5 << 2 << background << 20.0 << 20.0 << true;
        QTest::newRow("3 rounds, seen in 2") << 3 << 2 << background << 20.0 << 20.0 << true;
        QTest::newRow("3 rounds, seen in 1") << 3 << 1 << background << 20.0 << 20.0 << false;
        QTest::newRow("below both limits") << 8 << 8 << background << 11.9 << 34.9 << false;
        QTest::newRow("average limit") << 8 << 8 << background << 12.0 << 0.0 << true;
        QTest::newRow("peak limit") << 8 << 8 << background << 0.0 << 35.0 << true;
        QTest::newRow("application") << 8 << 8 << ProcessOrigin::application << 300.0 << 300.0 << false;
        QTest::newRow("system daemon") << 8 << 8 << ProcessOrigin::appleSystem << 12.0 << 0.0 << true;
    }

    void picksRelevantProcesses()
    {
        QFETCH(int, rounds);
        QFETCH(int, presence);
        QFETCH(ProcessOrigin, origin);
        QFETCH(double, average);
        QFETCH(double, peak);
        QFETCH(bool, relevant);
        const ProcessLoadEvaluation evaluation = evaluateProcessLoad(
            report({record(7, QStringLiteral("p"), origin, average, peak, presence)}, rounds), true);
        QCOMPARE(evaluation.relevantProcesses.size(), relevant ? 1 : 0);
        QCOMPARE(evaluation.verdict, ProcessLoadVerdict::good);
    }

    void wordsTheOutcome_data()
    {
        QTest::addColumn<ProcessCPURecord>("process");
        QTest::addColumn<bool>("onBattery");
        QTest::addColumn<ProcessLoadVerdict>("verdict");
        QTest::addColumn<QStringList>("reasons");
        QTest::addColumn<QString>("explanation");

        const QString good =
            QStringLiteral("Es wurde kein Hintergrund- oder Systemprozess mit dauerhaft hoher, für Akku "
                           "oder Thermik relevanter CPU-Last erkannt. Normale Benutzer-Apps werden hier "
                           "bewusst nicht bewertet.");
        const QString elevatedBattery =
            QStringLiteral("Mindestens ein Hintergrund- oder Systemprozess erzeugt anhaltende "
                           "CPU-Last, die auf Akkubetrieb Laufzeit kosten und zusätzliche "
                           "Wärme erzeugen kann.");
        const QString elevatedPower =
            QStringLiteral("Mindestens ein Hintergrund- oder Systemprozess erzeugt anhaltende "
                           "CPU-Last, die zusätzliche Wärme oder unnötige Systemlast "
                           "verursachen kann.");
        const QString heavyBattery = QStringLiteral("Mindestens ein Hintergrund- oder Systemprozess belastet die CPU "
                                                    "dauerhaft sehr stark. Das kann Akkulaufzeit, Temperatur und "
                                                    "Systemleistung deutlich beeinflussen.");
        const QString heavyPower =
            QStringLiteral("Mindestens ein Hintergrund- oder Systemprozess belastet die CPU "
                           "dauerhaft sehr stark. Das kann Temperatur und Systemleistung deutlich "
                           "beeinflussen.");
        const QString kernel =
            QStringLiteral("kernel_task ist stark aktiv. Das ist häufig ein thermisches Schutzsignal "
                           "von macOS und nicht der eigentliche Verursacher.");
        const auto background = ProcessOrigin::background;
        const auto system = ProcessOrigin::appleSystem;

        QTest::newRow("background on battery")
            << record(1, "Sync Agent", background, 48, 77.5) << true << ProcessLoadVerdict::elevated
            << QStringList {"Sync Agent erzeugt anhaltend relevante CPU-Last (Ø 48,0 %, Spitze 77,5 %)."}
            << elevatedBattery;
        QTest::newRow("same on external power") << record(1, "Sync Agent", background, 48, 77.5) << false
                                                << ProcessLoadVerdict::good << QStringList() << good;
        QTest::newRow("background heavy on battery")
            << record(1, "miner", background, 150.04, 199.96) << true << ProcessLoadVerdict::heavy
            << QStringList {"miner erzeugt anhaltend relevante CPU-Last (Ø 150,0 %, Spitze 200,0 %)."} << heavyBattery;
        QTest::newRow("background heavy on power")
            << record(1, "miner", background, 150, 200) << false << ProcessLoadVerdict::heavy
            << QStringList {"miner erzeugt anhaltend relevante CPU-Last (Ø 150,0 %, Spitze 200,0 %)."} << heavyPower;
        QTest::newRow("noted daemon") << record(1, "mds_stores", system, 100, 120, 8, spotlight) << false
                                      << ProcessLoadVerdict::elevated
                                      << QStringList {"mds_stores erzeugt anhaltend relevante CPU-Last (Ø 100,0 %). " +
                                                      spotlight + "."}
                                      << elevatedPower;
        QTest::newRow("daemon without note")
            << record(1, "logd", system, 100, 150) << true << ProcessLoadVerdict::good << QStringList() << good;
        QTest::newRow("kernel_task elevated")
            << record(0, "kernel_task", system, 90, 100) << true << ProcessLoadVerdict::elevated << QStringList {kernel}
            << elevatedBattery;
        QTest::newRow("kernel_task heavy") << record(0, "kernel_task", system, 170, 200) << false
                                           << ProcessLoadVerdict::heavy << QStringList {kernel} << heavyPower;
    }

    void wordsTheOutcome()
    {
        QFETCH(ProcessCPURecord, process);
        QFETCH(bool, onBattery);
        QFETCH(ProcessLoadVerdict, verdict);
        QFETCH(QStringList, reasons);
        QFETCH(QString, explanation);
        const ProcessLoadEvaluation evaluation = evaluateProcessLoad(report({process}), onBattery);
        QCOMPARE(evaluation.verdict, verdict);
        QCOMPARE(evaluation.reasons, reasons);
        QCOMPARE(evaluation.explanation, explanation);
        QCOMPARE(evaluation.relevantProcesses, QList<ProcessCPURecord> {process});
        QCOMPARE(evaluation.flaggedProcesses.size(), reasons.size());
    }

    void limitsTheLists()
    {
        // Report order: by average. Seven flagged (two heavy), six more relevant but not flagged.
        const auto background = ProcessOrigin::background;
        QList<ProcessCPURecord> processes {
            record(1, "e1", background, 100, 100), record(2, "e2", background, 90, 90),
            record(3, "e3", background, 80, 80),   record(4, "e4", background, 70, 70),
            record(5, "e5", background, 60, 60),   record(6, "h1", background, 50, 190),
            record(7, "h2", background, 49, 185),  record(8, "a", ProcessOrigin::application, 48, 48),
        };
        for (qint64 pid = 9; pid <= 14; ++pid)
            processes << record(pid, "r", background, 20, 20);
        const ProcessLoadEvaluation evaluation = evaluateProcessLoad(report(processes), true);

        QCOMPARE(evaluation.verdict, ProcessLoadVerdict::heavy);
        QCOMPARE(pids(evaluation.flaggedProcesses), (QList<qint64> {6, 7, 1, 2, 3, 4}));
        QCOMPARE(evaluation.reasons.size(), 5);
        QVERIFY(evaluation.reasons[0].startsWith(QStringLiteral("h1 ")));
        QVERIFY(evaluation.reasons[4].startsWith(QStringLiteral("e3 ")));
        QCOMPARE(pids(evaluation.relevantProcesses), (QList<qint64> {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13}));
    }

    void summarisesForTheClipboard()
    {
        ProcessLoadReport measured = report({
            record(1, "mds_stores", ProcessOrigin::appleSystem, 100, 120.04, 8, spotlight),
            record(2, "Some App", ProcessOrigin::application, 300, 310),
            record(3, "Sync", ProcessOrigin::helper, 20, 30),
        });
        measured.processes[0].averageMemoryMB = 1234.4;
        measured.processes[2].averageMemoryMB = 0.4;
        measured.durationSeconds = 3.46;
        const ProcessLoadEvaluation evaluation = evaluateProcessLoad(measured, false);
        QCOMPARE(processSummaryText(measured, evaluation, false),
                 QStringLiteral("Quarzlinde Health Check – Akku-/Hardware-relevante Hintergrundprozesse\n"
                                "Quelle: macOS Prozessliste (ps), mehrfach lokal gemessen\n"
                                "Messdauer: 3,5 s\n"
                                "Status: Akku-relevante Hintergrundlast\n"
                                "Betrieb: Netzteil\n"
                                "mds_stores | PID 1 | macOS System | Ø CPU 100,0 % | Peak 120,0 % | RAM ~1.234 MB\n"
                                "Sync | PID 3 | App-Hilfsprozess | Ø CPU 20,0 % | Peak 30,0 % | RAM ~0 MB"));
    }

    void summarisesAnUnavailableMeasurement()
    {
        const ProcessLoadReport empty = report({});
        const ProcessLoadEvaluation evaluation = evaluateProcessLoad(empty, true);
        QCOMPARE(evaluation.verdict, ProcessLoadVerdict::unavailable);
        QVERIFY(evaluation.flaggedProcesses.isEmpty());
        QCOMPARE(evaluation.reasons,
                 QStringList {QStringLiteral("Die laufenden Prozesse konnten nicht zuverlässig ausgewertet werden.")});
        QCOMPARE(evaluation.explanation,
                 QStringLiteral("Akku- und Temperaturdiagnose bleiben nutzbar. Die Hintergrundlast "
                                "konnte in dieser Messung jedoch nicht ausgewertet werden."));
        QCOMPARE(processSummaryText(empty, evaluation, true),
                 QStringLiteral("Quarzlinde Health Check – Akku-/Hardware-relevante Hintergrundprozesse\n"
                                "Quelle: macOS Prozessliste (ps), mehrfach lokal gemessen\n"
                                "Messdauer: 3,2 s\n"
                                "Status: Hintergrundlast nicht verfügbar\n"
                                "Betrieb: Akku"));
    }
};

QTEST_GUILESS_MAIN(LoadEvaluationTest)
#include "tst_loadevaluation.moc"
