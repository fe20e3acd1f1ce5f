#pragma once

#include <QJsonValue>
#include <QStringList>

#include <optional>

// The value of the first of the keys found in the JSON, depth first, objects
// before their nested values, array elements in order.
std::optional<QJsonValue> findJsonValue(const QJsonValue &json, const QStringList &keys);
