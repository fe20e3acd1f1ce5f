#include "machine/JsonKeySearch.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// Tool output nests a few levels deep; anything deeper is not worth a stack.
constexpr int maximumDepth = 64;

std::optional<QJsonValue> search(const QJsonValue &json, const QStringList &keys, int depth)
{
    if (depth > maximumDepth)
        return std::nullopt;
    if (json.isObject()) {
        const QJsonObject object = json.toObject();
        for (const QString &key : keys) {
            const auto found = object.constFind(key);
            if (found != object.constEnd())
                return found.value();
        }
        for (const QJsonValue value : object) {
            if (auto result = search(value, keys, depth + 1))
                return result;
        }
    } else if (json.isArray()) {
        for (const QJsonValue element : json.toArray()) {
            if (auto result = search(element, keys, depth + 1))
                return result;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QJsonValue> findJsonValue(const QJsonValue &json, const QStringList &keys)
{
    return search(json, keys, 0);
}
