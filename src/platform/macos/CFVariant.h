#pragma once

#include <CoreFoundation/CoreFoundation.h>

#include <QVariant>

// A registry value in the shapes the readers expect: dictionaries become
// QVariantMap (text keys only), arrays and sets QVariantList, strings QString,
// data QByteArray, booleans bool, integers qint64 and floats double. A value of
// any other type, or one that cannot be read, is an invalid QVariant and is
// left out of the collection holding it. The value is only read, never
// retained or released.
QVariant cfToVariant(CFTypeRef value);
