#include "fans/FanDiagnosticViewModel.h"
#include "support/FanMachines.h"
#include "support/GatedSleeper.h"
#include "support/ManualClock.h"

#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

using Phase = FanDiagnosticViewModel::Phase;

namespace {

void waitForReadings()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
}

} // namespace

class FanFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Two checks may wait in their pauses at once.
        QThreadPool::globalInstance()->setMaxThreadCount(4);
    }

    // The first check is overtaken by a reset or by a second start; it ends
    // last and must change nothing.
    void overtakenCheckPublishesNothing_data()
    {
        QTest::addColumn<bool>("startsAgain");
        QTest::newRow("reset") << false;
        QTest::newRow("second start") << true;
    }

    void overtakenCheckPublishesNothing()
    {
        QFETCH(bool, startsAgain);

        const auto sleeper = std::make_shared<GatedSleeper>();
        ManualClock clock;
        FanDiagnosticViewModel model(makeFakePlatform(FanMachines::twoFanPro()), clock, sleeper);

        model.start();
        QTRY_COMPARE(sleeper->pausesBegun(), 1);
        model.reset();
        if (startsAgain) {
            model.start();
            QTRY_COMPARE(sleeper->pausesBegun(), 2);
            sleeper->end(1);
            QTRY_COMPARE(model.phase(), Phase::result);
        }

        QSignalSpy phase(&model, &DiagnosticFlow::phaseChanged);
        QSignalSpy progress(&model, &DiagnosticFlow::progressChanged);
        QSignalSpy results(&model, &DiagnosticFlow::resultsChanged);
        sleeper->end(0);
        waitForReadings();

        QCOMPARE(phase.count() + progress.count() + results.count(), 0);
        QCOMPARE(model.phase(), startsAgain ? Phase::result : Phase::start);
        QCOMPARE(model.hasResult(), startsAgain);
    }

    void checkOutlivingItsModelChangesNothing()
    {
        const auto sleeper = std::make_shared<GatedSleeper>();
        ManualClock clock;
        auto *model = new FanDiagnosticViewModel(makeFakePlatform(FanMachines::twoFanPro()), clock, sleeper);
        model->start();
        QTRY_COMPARE(sleeper->pausesBegun(), 1);
        delete model;
        sleeper->end(0);
        waitForReadings();
    }
};

QTEST_GUILESS_MAIN(FanFlowTest)
#include "FanFlowTest.moc"
