#pragma once

#include <QString>
#include <QVariant>

// A registry value as old-style property-list text, the form the connection
// markers are written against: "key = value;" entries sorted by key, nested
// dictionaries in braces and lists in parentheses, four blanks per level,
// plain strings bare and others quoted with \Uxxxx escapes, booleans as 1 and
// 0, data as its length and bytes. The same value always gives the same text.
QString propertyListText(const QVariant &value, int indent = 0);
