// The typed readers of registry and tool values over random value trees.
#include "FuzzInput.h"

#include "platform/values/PropertyValues.h"
#include "platform/values/TextFolding.h"
#include "usbc/PropertyListText.h"

namespace {

void readAll(const QVariant &value)
{
    if (const auto text = propertyText(value))
        (void)foldedForComparison(*text);
    (void)propertyInteger(value);
    (void)propertyDouble(value);
    (void)propertyBoolean(value);
    if (value.typeId() == QMetaType::QVariantList) {
        for (const QVariant &element : value.toList())
            readAll(element);
    } else if (value.typeId() == QMetaType::QVariantMap) {
        for (const QVariant &element : value.toMap())
            readAll(element);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QVariant tree = variantTree(QByteArrayView(data, qsizetype(size)), {});
    readAll(tree);
    // The same value must always give the same text.
    if (propertyListText(tree) != propertyListText(QVariant(tree)))
        __builtin_trap();
    return 0;
}
