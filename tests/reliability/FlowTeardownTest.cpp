#include "flow/DiagnosticFlow.h"
#include "support/ManualClock.h"

#include <QTest>

#include <memory>

using namespace std::chrono_literals;

namespace {

// Lives in the check's frame: its end is the frame's end.
struct FrameMark
{
    int *ended;
    ~FrameMark() { ++*ended; }
};

// A check that pauses for an hour, nested as the real ones are.
class HourFlow : public DiagnosticFlow
{
    Q_OBJECT
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)

public:
    enum class Phase { idle, waiting, done };
    Q_ENUM(Phase)

    HourFlow(Clock &clock, int &ended)
        : DiagnosticFlow(clock, QStringLiteral("…"))
        , m_ended(ended)
    {
    }
    Phase phase() const { return static_cast<Phase>(phaseValue()); }
    int sidebarStep() const override { return 2; }

private:
    QCoro::Task<> run(Ticket ticket) override
    {
        const FrameMark mark {&m_ended};
        setPhaseValue(int(Phase::waiting));
        if (co_await pause(1h, ticket))
            setPhaseValue(int(Phase::done));
    }
    void clearResults() override { }
    int &m_ended;
};

} // namespace

class FlowTeardownTest : public QObject
{
    Q_OBJECT

private slots:
    void checkAsleepEndsWithItsFlow_data();
    void checkAsleepEndsWithItsFlow();
};

void FlowTeardownTest::checkAsleepEndsWithItsFlow_data()
{
    QTest::addColumn<bool>("virtualTime");
    QTest::addColumn<QString>("how");
    for (const bool virtualTime : {true, false}) {
        for (const char *how : {"destroyed", "reset", "started again"})
            QTest::addRow("%s, %s", virtualTime ? "manual clock" : "timer clock", how)
                << virtualTime << QString::fromLatin1(how);
    }
}

void FlowTeardownTest::checkAsleepEndsWithItsFlow()
{
    QFETCH(bool, virtualTime);
    QFETCH(QString, how);
    ManualClock manual;
    TimerClock timers;
    Clock &clock = virtualTime ? static_cast<Clock &>(manual) : timers;
    int ended = 0;
    auto flow = std::make_unique<HourFlow>(clock, ended);
    flow->start();
    QCOMPARE(flow->phase(), HourFlow::Phase::waiting);

    if (how == QLatin1String("destroyed"))
        flow.reset();
    else if (how == QLatin1String("reset"))
        flow->reset();
    else
        flow->start();
    // The stale check ended at once, not in an hour or never.
    QCOMPARE(ended, 1);
    QCOMPARE(manual.hasSleepers(), virtualTime && how == QLatin1String("started again"));
    if (flow)
        QVERIFY(flow->phase() != HourFlow::Phase::done);
}

QTEST_GUILESS_MAIN(FlowTeardownTest)
#include "FlowTeardownTest.moc"
