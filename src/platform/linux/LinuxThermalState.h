#pragma once

#include "platform/Sleeper.h"
#include "platform/ThermalStateSource.h"

#include <QString>

#include <chrono>
#include <memory>

// Linux has no rating of thermal pressure; this one is judged from the
// thermal zones' trip points, the passive cooling devices and, on Intel,
// how much of a short window the processor spent throttled. None where the
// machine offers none of them.
class LinuxThermalState : public ThermalStateSource
{
public:
    explicit LinuxThermalState(QString root = QStringLiteral("/"),
                               std::shared_ptr<const Sleeper> sleeper = std::make_shared<ThreadSleeper>(),
                               std::chrono::milliseconds throttleWindow = std::chrono::milliseconds(200));

    std::optional<qint64> thermalState() const override;

private:
    QString m_root;
    std::shared_ptr<const Sleeper> m_sleeper;
    std::chrono::milliseconds m_throttleWindow;
};
