#pragma once

#include "platform/ChildEnvironment.h"

#include <string>

namespace velmora::platform {

// This process's environment with the values set over it, in the form
// CreateProcessW takes with CREATE_UNICODE_ENVIRONMENT.
std::wstring environmentBlock(const EnvironmentValues& values);

} // namespace velmora::platform
