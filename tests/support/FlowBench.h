#pragma once

#include "flow/DiagnosticFlow.h"
#include "support/ManualClock.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVariant>

#include <vector>

// Drives a flow in virtual time and records when each progress value and
// phase appeared.
class FlowBench
{
public:
    struct Sample
    {
        qint64 at;
        double value;
        bool operator==(const Sample &) const = default;
    };

    FlowBench(DiagnosticFlow &flow, ManualClock &clock)
        : m_clock(clock)
    {
        QObject::connect(&flow, &DiagnosticFlow::progressChanged, [this, &flow] {
            progress.push_back({m_clock.now().count(), flow.progress()});
            texts.push_back(flow.progressText());
        });
        QObject::connect(&flow, &DiagnosticFlow::phaseChanged, [this, &flow] {
            phases.push_back({m_clock.now().count(), static_cast<double>(flow.property("phase").toInt())});
        });
    }

    // In steps of 10 ms, letting the event loop hand over finished work.
    void advance(std::chrono::milliseconds duration)
    {
        using namespace std::chrono_literals;
        for (auto passed = 0ms; passed < duration; passed += 10ms) {
            m_clock.advance(std::min(10ms, duration - passed));
            QCoreApplication::processEvents();
        }
    }

    std::vector<Sample> progress;
    QStringList texts;
    std::vector<Sample> phases;

private:
    ManualClock &m_clock;
};
