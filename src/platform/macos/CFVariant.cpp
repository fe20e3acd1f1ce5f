#include "platform/macos/CFVariant.h"

#include <QByteArray>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <optional>
#include <vector>

namespace {

std::optional<QString> stringFromCF(CFStringRef string)
{
    const CFIndex maximum = CFStringGetMaximumSizeForEncoding(CFStringGetLength(string), kCFStringEncodingUTF8);
    if (maximum < 0)
        return std::nullopt;
    // The maximum does not count the terminating NUL.
    const CFIndex bufferSize = maximum + 1;
    std::vector<char> buffer(static_cast<size_t>(bufferSize), '\0');
    if (!CFStringGetCString(string, buffer.data(), bufferSize, kCFStringEncodingUTF8))
        return std::nullopt;
    return QString::fromUtf8(buffer.data());
}

QVariant numberFromCF(CFNumberRef number)
{
    // Integers are read as signed 64 bits: a kernel value above 2^63 comes
    // back negative, as the registry itself hands it out.
    if (CFNumberIsFloatType(number)) {
        double value = 0;
        if (!CFNumberGetValue(number, kCFNumberDoubleType, &value))
            return {};
        return QVariant(value);
    }
    SInt64 value = 0;
    if (!CFNumberGetValue(number, kCFNumberSInt64Type, &value))
        return {};
    return QVariant::fromValue<qint64>(value);
}

QVariant dataFromCF(CFDataRef data)
{
    const CFIndex length = CFDataGetLength(data);
    if (length <= 0)
        return QVariant(QByteArray(""));
    return QVariant(QByteArray(reinterpret_cast<const char *>(CFDataGetBytePtr(data)), length));
}

QVariantList listFromValues(const std::vector<const void *> &values)
{
    QVariantList list;
    for (const void *element : values) {
        QVariant converted = cfToVariant(element);
        if (converted.isValid())
            list.append(std::move(converted));
    }
    return list;
}

QVariantList listFromArray(CFArrayRef array)
{
    const CFIndex count = CFArrayGetCount(array);
    std::vector<const void *> values;
    values.reserve(static_cast<size_t>(count));
    for (CFIndex index = 0; index < count; ++index)
        values.push_back(CFArrayGetValueAtIndex(array, index));
    return listFromValues(values);
}

QVariantList listFromSet(CFSetRef set)
{
    std::vector<const void *> values(static_cast<size_t>(CFSetGetCount(set)));
    if (!values.empty())
        CFSetGetValues(set, values.data());
    return listFromValues(values);
}

QVariantMap mapFromDictionary(CFDictionaryRef dictionary)
{
    const auto count = static_cast<size_t>(CFDictionaryGetCount(dictionary));
    std::vector<const void *> keys(count);
    std::vector<const void *> values(count);
    if (count > 0)
        CFDictionaryGetKeysAndValues(dictionary, keys.data(), values.data());
    QVariantMap map;
    for (size_t index = 0; index < count; ++index) {
        if (!keys[index] || CFGetTypeID(keys[index]) != CFStringGetTypeID())
            continue;
        const std::optional<QString> key = stringFromCF(static_cast<CFStringRef>(keys[index]));
        QVariant converted = cfToVariant(values[index]);
        if (key && converted.isValid())
            map.insert(*key, std::move(converted));
    }
    return map;
}

} // namespace

QVariant cfToVariant(CFTypeRef value)
{
    if (!value)
        return {};
    const CFTypeID type = CFGetTypeID(value);
    if (type == CFDictionaryGetTypeID())
        return mapFromDictionary(static_cast<CFDictionaryRef>(value));
    if (type == CFArrayGetTypeID())
        return listFromArray(static_cast<CFArrayRef>(value));
    if (type == CFSetGetTypeID())
        return listFromSet(static_cast<CFSetRef>(value));
    if (type == CFStringGetTypeID()) {
        const std::optional<QString> text = stringFromCF(static_cast<CFStringRef>(value));
        return text ? QVariant(*text) : QVariant();
    }
    if (type == CFDataGetTypeID())
        return dataFromCF(static_cast<CFDataRef>(value));
    // A boolean is its own type, not a number that happens to be 0 or 1.
    if (type == CFBooleanGetTypeID())
        return QVariant(CFBooleanGetValue(static_cast<CFBooleanRef>(value)) != 0);
    if (type == CFNumberGetTypeID())
        return numberFromCF(static_cast<CFNumberRef>(value));
    return {};
}
