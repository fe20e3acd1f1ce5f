#include "FakeObjC.h"

#include <objc/objc.h>

#include <cstdint>
#include <set>
#include <string>

// objc_msgSend is defined here with the widest signature its callers cast it
// to: two integer-register arguments after the receiver and the selector.
// The header's prototype is left out so that this definition can stand.

namespace {

struct Object
{
    const char *name;
};

Object viewObject {"NSView"};
Object windowObject {"NSWindow"};
Object processInfoObject {"NSProcessInfo"};
Object processInfoClass {"NSProcessInfoClass"};

FakeObjC::Setup current;
QStringList recorded;
unsigned long mask = 0;

std::set<std::string> &selectors()
{
    static std::set<std::string> names;
    return names;
}

const char *selectorName(SEL selector)
{
    return reinterpret_cast<const std::string *>(selector)->c_str();
}

} // namespace

namespace FakeObjC {

void reset(const Setup &setup)
{
    current = setup;
    recorded.clear();
    mask = setup.styleMask;
}

quintptr view()
{
    return reinterpret_cast<quintptr>(&viewObject);
}

QStringList messages()
{
    return recorded;
}

unsigned long styleMask()
{
    return mask;
}

} // namespace FakeObjC

extern "C" {

SEL sel_registerName(const char *str)
{
    const std::string &interned = *selectors().insert(str).first;
    return reinterpret_cast<SEL>(const_cast<std::string *>(&interned));
}

Class objc_getClass(const char *name)
{
    if (std::string(name) == "NSProcessInfo" && current.hasProcessInfoClass)
        return reinterpret_cast<Class>(&processInfoClass);
    return nullptr;
}

std::uintptr_t objc_msgSend(void *receiver, SEL op, std::uintptr_t argument, std::uintptr_t)
{
    const auto *object = static_cast<const Object *>(receiver);
    const std::string selector = selectorName(op);
    QString message = QString::fromLatin1(object->name) + u' ' + QString::fromStdString(selector);
    // A selector with a colon takes one argument; BOOL and small values are
    // read from the low byte, since the caller need not widen them.
    if (selector == "respondsToSelector:")
        message += u' ' + QString::fromLatin1(selectorName(reinterpret_cast<SEL>(argument)));
    else if (selector.find("Transparent:") != std::string::npos || selector.find("Background:") != std::string::npos)
        message += u' ' + QString::number(argument & 0xff);
    else if (selector.back() == ':')
        message += u' ' + QString::number(argument);
    recorded.append(message);

    if (object == &viewObject && selector == "window")
        return current.viewInWindow ? reinterpret_cast<std::uintptr_t>(&windowObject) : 0;
    if (object == &windowObject && selector == "styleMask")
        return mask;
    if (object == &windowObject && selector == "setStyleMask:")
        mask = argument;
    if (object == &windowObject && selector == "respondsToSelector:")
        return current.hasSeparatorStyle ? 1 : 0;
    if (object == &processInfoClass && selector == "processInfo")
        return current.processInfoAnswers ? reinterpret_cast<std::uintptr_t>(&processInfoObject) : 0;
    if (object == &processInfoObject && selector == "thermalState")
        return static_cast<std::uintptr_t>(current.thermalState);
    return 0;
}

} // extern "C"
