#include "FakeCoreFoundation.h"

#include <QString>

#include <cstring>
#include <memory>

namespace {

enum TypeId : CFTypeID {
    StringType = 7,
    DataType,
    BooleanType,
    NumberType,
    ArrayType,
    SetType,
    DictionaryType,
    OtherType
};

struct Object
{
    CFTypeID type = OtherType;
    int references = 1;
    QByteArray bytes; // string (UTF-8) or data
    bool boolean = false;
    CFNumberType numberType = kCFNumberSInt64Type;
    SInt64 integer = 0;
    double floating = 0;
    std::vector<CFTypeRef> elements; // array, set; dictionary as key, value, key, value, ...
};

struct Heap
{
    // Released objects stay allocated so that a release too many is counted,
    // not a crash.
    std::vector<std::unique_ptr<Object>> objects;
    int live = 0;
    int overReleases = 0;
};

Heap &heap()
{
    static Heap instance;
    return instance;
}

Object *create(CFTypeID type)
{
    heap().objects.push_back(std::make_unique<Object>());
    ++heap().live;
    Object *object = heap().objects.back().get();
    object->type = type;
    return object;
}

const Object *object(CFTypeRef ref)
{
    return static_cast<const Object *>(ref);
}

Object *mutableObject(CFTypeRef ref)
{
    return const_cast<Object *>(object(ref));
}

} // namespace

namespace FakeCF {

CFStringRef makeString(const char *utf8)
{
    Object *string = create(StringType);
    string->bytes = QByteArray(utf8);
    return reinterpret_cast<CFStringRef>(string);
}

CFDataRef makeData(const QByteArray &bytes)
{
    Object *data = create(DataType);
    data->bytes = bytes;
    return reinterpret_cast<CFDataRef>(data);
}

CFBooleanRef makeBoolean(bool value)
{
    Object *boolean = create(BooleanType);
    boolean->boolean = value;
    return reinterpret_cast<CFBooleanRef>(boolean);
}

CFNumberRef makeInteger(SInt64 value, CFNumberType storedAs)
{
    Object *number = create(NumberType);
    number->integer = value;
    number->numberType = storedAs;
    return reinterpret_cast<CFNumberRef>(number);
}

CFNumberRef makeFloat(double value)
{
    Object *number = create(NumberType);
    number->floating = value;
    number->numberType = kCFNumberFloat64Type;
    return reinterpret_cast<CFNumberRef>(number);
}

CFArrayRef makeArray(std::vector<CFTypeRef> elements)
{
    Object *array = create(ArrayType);
    array->elements = std::move(elements);
    return reinterpret_cast<CFArrayRef>(array);
}

CFSetRef makeSet(std::vector<CFTypeRef> elements)
{
    Object *set = create(SetType);
    set->elements = std::move(elements);
    return reinterpret_cast<CFSetRef>(set);
}

CFDictionaryRef makeDictionary(std::vector<std::pair<CFTypeRef, CFTypeRef>> entries)
{
    Object *dictionary = create(DictionaryType);
    for (const auto &[key, value] : entries) {
        dictionary->elements.push_back(key);
        dictionary->elements.push_back(value);
    }
    return reinterpret_cast<CFDictionaryRef>(dictionary);
}

CFTypeRef makeOther()
{
    return create(OtherType);
}

int liveObjects()
{
    return heap().live;
}

int overReleases()
{
    return heap().overReleases;
}

CFTypeRef dictionaryValue(CFDictionaryRef dictionary, const char *key)
{
    const std::vector<CFTypeRef> &elements = object(dictionary)->elements;
    for (size_t index = 0; index + 1 < elements.size(); index += 2) {
        const Object *candidate = object(elements[index]);
        if (candidate->type == StringType && candidate->bytes == key)
            return elements[index + 1];
    }
    return nullptr;
}

} // namespace FakeCF

extern "C" {

const CFAllocatorRef kCFAllocatorDefault = nullptr;

CFTypeID CFGetTypeID(CFTypeRef cf)
{
    return object(cf)->type;
}
CFTypeID CFStringGetTypeID(void)
{
    return StringType;
}
CFTypeID CFDataGetTypeID(void)
{
    return DataType;
}
CFTypeID CFBooleanGetTypeID(void)
{
    return BooleanType;
}
CFTypeID CFNumberGetTypeID(void)
{
    return NumberType;
}
CFTypeID CFArrayGetTypeID(void)
{
    return ArrayType;
}
CFTypeID CFSetGetTypeID(void)
{
    return SetType;
}
CFTypeID CFDictionaryGetTypeID(void)
{
    return DictionaryType;
}

CFTypeRef CFRetain(CFTypeRef cf)
{
    ++mutableObject(cf)->references;
    return cf;
}

void CFRelease(CFTypeRef cf)
{
    Object *released = mutableObject(cf);
    if (released->references <= 0) {
        ++heap().overReleases;
        return;
    }
    if (--released->references > 0)
        return;
    --heap().live;
    for (CFTypeRef element : released->elements)
        CFRelease(element);
}

CFStringRef CFStringCreateWithCString(CFAllocatorRef, const char *cStr, CFStringEncoding encoding)
{
    return encoding == kCFStringEncodingUTF8 ? FakeCF::makeString(cStr) : nullptr;
}

CFIndex CFStringGetLength(CFStringRef theString)
{
    return QString::fromUtf8(object(theString)->bytes).size();
}

CFIndex CFStringGetMaximumSizeForEncoding(CFIndex length, CFStringEncoding encoding)
{
    return encoding == kCFStringEncodingUTF8 ? length * 3 : kCFNotFound;
}

Boolean CFStringGetCString(CFStringRef theString, char *buffer, CFIndex bufferSize, CFStringEncoding encoding)
{
    const QByteArray &utf8 = object(theString)->bytes;
    if (encoding != kCFStringEncodingUTF8 || utf8.size() + 1 > bufferSize)
        return false;
    std::memcpy(buffer, utf8.constData(), static_cast<size_t>(utf8.size()) + 1);
    return true;
}

CFIndex CFDataGetLength(CFDataRef theData)
{
    return object(theData)->bytes.size();
}

const UInt8 *CFDataGetBytePtr(CFDataRef theData)
{
    return reinterpret_cast<const UInt8 *>(object(theData)->bytes.constData());
}

Boolean CFBooleanGetValue(CFBooleanRef boolean)
{
    return object(boolean)->boolean;
}

Boolean CFNumberIsFloatType(CFNumberRef number)
{
    const CFNumberType type = object(number)->numberType;
    return type == kCFNumberFloat32Type || type == kCFNumberFloat64Type || type == kCFNumberDoubleType;
}

Boolean CFNumberGetValue(CFNumberRef number, CFNumberType theType, void *valuePtr)
{
    const Object *stored = object(number);
    const bool isFloat = CFNumberIsFloatType(number);
    switch (theType) {
    case kCFNumberSInt64Type: {
        const SInt64 value = isFloat ? static_cast<SInt64>(stored->floating) : stored->integer;
        std::memcpy(valuePtr, &value, sizeof(value));
        return !isFloat;
    }
    case kCFNumberDoubleType: {
        const double value = isFloat ? stored->floating : static_cast<double>(stored->integer);
        std::memcpy(valuePtr, &value, sizeof(value));
        return true;
    }
    default: return false;
    }
}

CFIndex CFArrayGetCount(CFArrayRef theArray)
{
    return static_cast<CFIndex>(object(theArray)->elements.size());
}

const void *CFArrayGetValueAtIndex(CFArrayRef theArray, CFIndex idx)
{
    return object(theArray)->elements.at(static_cast<size_t>(idx));
}

CFIndex CFSetGetCount(CFSetRef theSet)
{
    return static_cast<CFIndex>(object(theSet)->elements.size());
}

void CFSetGetValues(CFSetRef theSet, const void **values)
{
    for (CFTypeRef element : object(theSet)->elements)
        *values++ = element;
}

CFIndex CFDictionaryGetCount(CFDictionaryRef theDict)
{
    return static_cast<CFIndex>(object(theDict)->elements.size() / 2);
}

void CFDictionaryGetKeysAndValues(CFDictionaryRef theDict, const void **keys, const void **values)
{
    const std::vector<CFTypeRef> &elements = object(theDict)->elements;
    for (size_t index = 0; index + 1 < elements.size(); index += 2) {
        *keys++ = elements[index];
        *values++ = elements[index + 1];
    }
}

} // extern "C"
