#pragma once

#include <string>

namespace velmora::platform {

// Sets a variable in this process's environment, which every command started
// afterwards inherits: how values reach the tool's configuration file.
void setInheritedVariable(const std::string& name, const std::string& value);

} // namespace velmora::platform
