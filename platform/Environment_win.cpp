#include "platform/Environment.h"

#include <windows.h>

namespace velmora::platform {

void setInheritedVariable(const std::string& name, const std::string& value)
{
    SetEnvironmentVariableA(name.c_str(), value.c_str());
}

} // namespace velmora::platform
