#include "platform/Environment.h"

#include <cstdlib>

namespace velmora::platform {

void setInheritedVariable(const std::string& name, const std::string& value)
{
    setenv(name.c_str(), value.c_str(), 1);
}

std::string inheritedVariable(const std::string& name)
{
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

} // namespace velmora::platform
