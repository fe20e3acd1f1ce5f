#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// Readings of registry and tool values, switching on the exact value type so
// that nothing converts by accident (a text is never a number unless it reads
// as one, a list is never a text).
std::optional<QString> propertyText(const QVariant &value);
std::optional<qint64> propertyInteger(const QVariant &value);
std::optional<double> propertyDouble(const QVariant &value);
std::optional<bool> propertyBoolean(const QVariant &value);
