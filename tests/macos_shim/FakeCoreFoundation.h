#pragma once

#include <CoreFoundation/CoreFoundation.h>

#include <QByteArray>

#include <utility>
#include <vector>

// A reference-counted stand-in for the CoreFoundation calls the macOS backends
// make, so their conversions run on Linux. Every make function returns a new
// reference; containers take over the references of their contents, as a
// caller that creates, inserts and releases would leave them.
namespace FakeCF {

CFStringRef makeString(const char *utf8);
CFDataRef makeData(const QByteArray &bytes);
CFBooleanRef makeBoolean(bool value);
CFNumberRef makeInteger(SInt64 value, CFNumberType storedAs = kCFNumberSInt64Type);
CFNumberRef makeFloat(double value);
CFArrayRef makeArray(std::vector<CFTypeRef> elements);
CFSetRef makeSet(std::vector<CFTypeRef> elements);
CFDictionaryRef makeDictionary(std::vector<std::pair<CFTypeRef, CFTypeRef>> entries);
// An object of a type the backends do not know (a date, a URL, ...).
CFTypeRef makeOther();

// Objects created and not yet released to zero.
int liveObjects();
// Releases of an object whose count had already dropped to zero.
int overReleases();
// The value under a string key, for the fake registry to look properties up.
CFTypeRef dictionaryValue(CFDictionaryRef dictionary, const char *key);

} // namespace FakeCF
