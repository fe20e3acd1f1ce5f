#include "platform/macos/MacThermalState.h"

#include <objc/message.h>
#include <objc/runtime.h>

// Sent through the Objective-C runtime, so this stays a C++ file. The shared
// process-information object is not autoreleased, so no pool is needed.
std::optional<qint64> MacThermalState::thermalState() const
{
    const Class processInfoClass = objc_getClass("NSProcessInfo");
    if (!processInfoClass)
        return std::nullopt;
    const id processInfo =
        reinterpret_cast<id (*)(Class, SEL)>(objc_msgSend)(processInfoClass, sel_registerName("processInfo"));
    if (!processInfo)
        return std::nullopt;
    return qint64(reinterpret_cast<long (*)(id, SEL)>(objc_msgSend)(processInfo, sel_registerName("thermalState")));
}
