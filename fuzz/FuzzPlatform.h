#pragma once

#include "platform/Platform.h"

#include <QHash>

// Platform pieces that hand over whatever the fuzzer made.
class FuzzBatteryService : public BatteryService
{
public:
    explicit FuzzBatteryService(QVariant tree)
        : m_tree(std::move(tree))
    {
    }
    std::optional<QVariantMap> properties(const QStringList &) const override
    {
        if (m_tree.typeId() != QMetaType::QVariantMap)
            return std::nullopt;
        return m_tree.toMap();
    }

private:
    QVariant m_tree;
};

class FuzzOverview : public HardwareOverview
{
public:
    explicit FuzzOverview(QByteArray json)
        : m_json(std::move(json))
    {
    }
    std::optional<QByteArray> json() const override
    {
        return m_json.isEmpty() ? std::nullopt : std::optional<QByteArray>(m_json);
    }

private:
    QByteArray m_json;
};

class FuzzSystemControl : public SystemControl
{
public:
    explicit FuzzSystemControl(QByteArray text)
        : m_text(std::move(text))
    {
    }
    std::optional<QString> text(const char *) const override
    {
        return m_text.isEmpty() ? std::nullopt : std::optional<QString>(QString::fromUtf8(m_text));
    }
    std::optional<qint64> integer(const char *) const override
    {
        bool ok = false;
        const qint64 value = m_text.toLongLong(&ok);
        return ok ? std::optional<qint64>(value) : std::nullopt;
    }

private:
    QByteArray m_text;
};
