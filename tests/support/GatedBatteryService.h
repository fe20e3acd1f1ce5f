#pragma once

#include "platform/BatteryService.h"

#include <QSemaphore>

#include <memory>

// A battery service that answers only when the test lets it, like a tool
// running into its time-out.
class GatedBatteryService : public BatteryService
{
public:
    explicit GatedBatteryService(std::shared_ptr<const BatteryService> inner)
        : m_inner(std::move(inner))
    {
    }
    std::optional<QVariantMap> properties(const QStringList &keys) const override
    {
        m_gate.acquire();
        return m_inner->properties(keys);
    }
    // Lets this and every later call through.
    void open() const { m_gate.release(1 << 20); }

private:
    std::shared_ptr<const BatteryService> m_inner;
    mutable QSemaphore m_gate;
};
