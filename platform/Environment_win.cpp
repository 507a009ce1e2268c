#include "platform/Environment.h"
#include "platform/WideText_win.h"

#include <windows.h>

namespace velmora::platform {

void setInheritedVariable(const std::string& name, const std::string& value)
{
    SetEnvironmentVariableW(toUtf16(name).c_str(), toUtf16(value).c_str());
}

std::string inheritedVariable(const std::string& name)
{
    const std::wstring wideName = toUtf16(name);
    std::wstring value(GetEnvironmentVariableW(wideName.c_str(), nullptr, 0), L'\0');
    const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
    value.resize(length < value.size() ? length : 0);
    return fromUtf16(value);
}

} // namespace velmora::platform
