#include "media/MediaDiagnosticViewModel.h"
#include "support/FakeMediaCapture.h"
#include "support/ManualClock.h"

#include <QSignalSpy>
#include <QTest>

using Phase = MediaDiagnosticViewModel::Phase;

namespace {

// A flow over simulated devices; the fake stays reachable as the flow's child.
struct Bench
{
    explicit Bench(SimulatedMediaDevices devices)
        : flow(std::make_unique<FakeMediaCapture>(std::move(devices)), clock)
        , devices(*flow.findChild<FakeMediaCapture *>())
    {
    }

    ManualClock clock;
    MediaDiagnosticViewModel flow;
    FakeMediaCapture &devices;
};

} // namespace

class MediaFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpAsksThenStartsWhatIsAllowed_data()
    {
        QTest::addColumn<SimulatedMediaDevices>("devices");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("cameraPermission");
        QTest::addColumn<bool>("microphonePermission");

        const QStringList asked {"stopped", "camera asked", "microphone asked"};
        QTest::newRow("camera and microphone") << SimulatedMediaDevices {.camera = true}
                                               << asked + QStringList {"camera on", "microphone on"} << true << true;
        QTest::newRow("no camera") << SimulatedMediaDevices {} << asked + QStringList {"microphone on"} << true << true;
        QTest::newRow("camera refused") << SimulatedMediaDevices {.camera = true, .cameraAllowed = false}
                                        << asked + QStringList {"microphone on"} << false << true;
        QTest::newRow("microphone refused") << SimulatedMediaDevices {.camera = true, .microphoneAllowed = false}
                                            << asked + QStringList {"camera on"} << true << false;
    }

    void startUpAsksThenStartsWhatIsAllowed()
    {
        QFETCH(SimulatedMediaDevices, devices);
        QFETCH(QStringList, log);
        QFETCH(bool, cameraPermission);
        QFETCH(bool, microphonePermission);

        Bench bench(devices);
        bench.flow.start();
        QCOMPARE(bench.flow.phase(), Phase::testing);
        QCOMPARE(bench.flow.sidebarStep(), 2);
        QCOMPARE(bench.devices.log, log);
        QCOMPARE(bench.flow.cameraAvailable(), devices.camera);
        QCOMPARE(bench.flow.cameraPermission(), cameraPermission);
        QCOMPARE(bench.flow.microphonePermission(), microphonePermission);
        QCOMPARE(bench.flow.errorMessage(), QString());
    }

    // Either answer may come first and may be changed; the second kind ends
    // the test at once and stops both devices.
    void answersEndTheTestWhenBothAreGiven_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<CustomerVerdict>("verdict");

        QTest::newRow("camera, then microphone") << QStringList {"camera ok", "microphone ok"} << CustomerVerdict::Good;
        QTest::newRow("microphone first") << QStringList {"microphone bad", "camera ok"} << CustomerVerdict::Problem;
        QTest::newRow("camera changed") << QStringList {"camera bad", "camera ok", "microphone ok"}
                                        << CustomerVerdict::Good;
    }

    void answersEndTheTestWhenBothAreGiven()
    {
        QFETCH(QStringList, answers);
        QFETCH(CustomerVerdict, verdict);

        Bench bench({.camera = true});
        bench.flow.start();
        bench.devices.log.clear();
        for (qsizetype i = 0; i < answers.size(); ++i) {
            QCOMPARE(bench.flow.phase(), Phase::testing);
            QVERIFY(!bench.flow.hasResult());
            QCOMPARE(bench.devices.log, QStringList());
            const QStringList answer = answers[i].split(' ');
            if (answer[0] == "camera")
                bench.flow.answerCamera(answer[1] == "ok");
            else
                bench.flow.answerMicrophone(answer[1] == "ok");
        }
        QCOMPARE(bench.flow.phase(), Phase::result);
        QCOMPARE(bench.flow.sidebarStep(), 4);
        QCOMPARE(bench.devices.log, QStringList {"stopped"});
        QCOMPARE(bench.flow.result().verdict, verdict);

        // Late answers do not reopen a finished test.
        bench.flow.answerCamera(false);
        QCOMPARE(bench.flow.result().verdict, verdict);
    }

    void leavingStopsBothDevicesAtOnce()
    {
        Bench bench({.camera = true});
        bench.flow.start();
        bench.flow.answerCamera(true);
        bench.devices.log.clear();

        bench.flow.reset();
        QCOMPARE(bench.devices.log, QStringList {"stopped"});
        QCOMPARE(bench.flow.phase(), Phase::start);
        QVERIFY(!bench.flow.cameraAnswered());

        // A second test starts the camera again, and its answers start afresh.
        bench.flow.start();
        QCOMPARE(bench.devices.log.mid(1),
                 (QStringList {"stopped", "camera asked", "microphone asked", "camera on", "microphone on"}));
        bench.flow.answerMicrophone(true);
        QCOMPARE(bench.flow.phase(), Phase::testing);
    }

    void quittingDuringTheTestStopsTheDevices()
    {
        QStringList log;
        {
            Bench bench({.camera = true});
            bench.flow.start();
            // A QObject says it is destroyed before its children are: the devices are still there.
            connect(&bench.flow, &QObject::destroyed, [&log, devices = &bench.devices] { log = devices->log; });
        }
        QCOMPARE(log.last(), QStringLiteral("stopped"));
    }

    void levelsMoveTheBarOnlyWhileTesting()
    {
        Bench bench({});
        QSignalSpy levels(&bench.flow, &MediaDiagnosticViewModel::microphoneLevelChanged);
        emit bench.devices.levelMeasured(0.5);
        QCOMPARE(bench.flow.microphoneLevel(), 0.0);

        bench.flow.start();
        emit bench.devices.levelMeasured(0.5);
        emit bench.devices.levelMeasured(0.25);
        QCOMPARE(bench.flow.microphoneLevel(), 0.25);
        QCOMPARE(levels.count(), 2);

        bench.flow.answerCamera(true);
        bench.flow.answerMicrophone(true);
        emit bench.devices.levelMeasured(0.9);
        QCOMPARE(bench.flow.microphoneLevel(), 0.25);
    }

    void aMicrophoneThatCannotStartSaysWhy()
    {
        Bench bench({.camera = true, .microphoneFailure = QStringLiteral("Es wurde kein Mikrofon gefunden.")});
        bench.flow.start();
        // Its sentence: media_screens. The camera half of the test goes on; the user can still answer.
        QVERIFY(!bench.flow.errorMessage().isEmpty());
        bench.flow.answerCamera(true);
        bench.flow.answerMicrophone(false);
        QCOMPARE(bench.flow.phase(), Phase::result);

        bench.flow.reset();
        QCOMPARE(bench.flow.errorMessage(), QString());
    }
};

QTEST_GUILESS_MAIN(MediaFlowTest)
#include "MediaFlowTest.moc"
