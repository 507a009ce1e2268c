#pragma once

#include <string>

namespace velmora::platform {

// Sets a variable in this process's environment, which every command started
// afterwards inherits: how values reach the tool's configuration file.
void setInheritedVariable(const std::string& name, const std::string& value);

// The value a command started now would inherit; empty when unset. On Windows
// the C library's own copy of the environment does not see the change above.
std::string inheritedVariable(const std::string& name);

} // namespace velmora::platform
