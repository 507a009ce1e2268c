#pragma once

#include <string>

namespace velmora::platform {

// Where the user's own working folder goes: Velmora in the local application
// data the system names for the user (never an environment variable another
// program could have set); empty when the system names none.
std::string perUserWorkingFolder();

// The folder of the running program's own file.
std::string executableFolder();

} // namespace velmora::platform
