#pragma once

#include <QByteArray>

#include <map>
#include <optional>
#include <string>

// The kernel's sysctl values and the startup volume's capacities, as the
// macOS backends ask for them.
namespace FakeSystem {

struct SysctlValue
{
    QByteArray bytes;
    bool sizeQueryFails = false;
    bool readFails = false;
};
void setSysctl(std::map<std::string, SysctlValue> values);
SysctlValue sysctlText(const char *text);
SysctlValue sysctlInteger(int value);

// The volume's resource values by key name; an absent one cannot be read, a
// text one comes as a string instead of a number.
struct Volume
{
    std::map<std::string, long long> capacities;
    std::map<std::string, std::string> textValues;
    bool urlFails = false;
};
void setVolume(Volume volume);

} // namespace FakeSystem
