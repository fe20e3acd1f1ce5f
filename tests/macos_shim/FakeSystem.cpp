#include "FakeSystem.h"

#include "FakeCoreFoundation.h"

#include <CoreFoundation/CoreFoundation.h>
#include <sys/sysctl.h>

#include <cstring>

namespace {

std::map<std::string, FakeSystem::SysctlValue> sysctlValues;
FakeSystem::Volume volume;

std::string text(CFStringRef string)
{
    char buffer[256] = {};
    CFStringGetCString(string, buffer, sizeof buffer, kCFStringEncodingUTF8);
    return buffer;
}

} // namespace

namespace FakeSystem {

void setSysctl(std::map<std::string, SysctlValue> values)
{
    sysctlValues = std::move(values);
}

SysctlValue sysctlText(const char *text)
{
    return {QByteArray(text, qsizetype(std::strlen(text)) + 1)};
}

SysctlValue sysctlInteger(int value)
{
    return {QByteArray(reinterpret_cast<const char *>(&value), sizeof value)};
}

void setVolume(Volume value)
{
    volume = std::move(value);
}

} // namespace FakeSystem

extern "C" {

int sysctlbyname(const char *name, void *oldp, size_t *oldlenp, void *, size_t)
{
    const auto found = sysctlValues.find(name);
    if (found == sysctlValues.end())
        return -1;
    const FakeSystem::SysctlValue &value = found->second;
    const auto size = static_cast<size_t>(value.bytes.size());
    if (!oldp) {
        if (value.sizeQueryFails)
            return -1;
        *oldlenp = size;
        return 0;
    }
    if (value.readFails || *oldlenp < size)
        return -1;
    std::memcpy(oldp, value.bytes.constData(), size);
    *oldlenp = size;
    return 0;
}

const CFStringRef kCFURLVolumeTotalCapacityKey = FakeCF::makeString("NSURLVolumeTotalCapacityKey");
const CFStringRef kCFURLVolumeAvailableCapacityKey = FakeCF::makeString("NSURLVolumeAvailableCapacityKey");
const CFStringRef kCFURLVolumeAvailableCapacityForImportantUsageKey =
    FakeCF::makeString("NSURLVolumeAvailableCapacityForImportantUsageKey");

CFURLRef CFURLCreateWithFileSystemPath(CFAllocatorRef, CFStringRef filePath, CFURLPathStyle, Boolean isDirectory)
{
    if (volume.urlFails || text(filePath) != "/" || !isDirectory)
        return nullptr;
    return reinterpret_cast<CFURLRef>(const_cast<void *>(FakeCF::makeOther()));
}

Boolean CFURLCopyResourcePropertyForKey(CFURLRef, CFStringRef key, void *propertyValueTypeRefPtr, CFErrorRef *)
{
    const std::string name = text(key);
    CFTypeRef value = nullptr;
    if (const auto number = volume.capacities.find(name); number != volume.capacities.end())
        value = FakeCF::makeInteger(number->second);
    else if (const auto other = volume.textValues.find(name); other != volume.textValues.end())
        value = FakeCF::makeString(other->second.c_str());
    else
        return false;
    *static_cast<CFTypeRef *>(propertyValueTypeRefPtr) = value;
    return true;
}

} // extern "C"
