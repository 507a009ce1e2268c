#pragma once

#include "platform/ChildEnvironment.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora::platform {

// Runs a program, given by its full path, with no console, nothing to read and
// its output thrown away, and waits for it: for a quick look the tool takes
// at a file, never for anything that could ask the user. Its exit code;
// nothing when it could not be started or did not end by itself. The
// environment values are the program's alone. It starts in the given folder,
// or in this program's current one when that is empty.
std::optional<int> runHidden(const std::vector<std::string>& argv, const EnvironmentValues& environment = {},
                             const std::string& startFolder = {});

using HiddenRun = std::function<std::optional<int>(
    const std::vector<std::string>& argv, const EnvironmentValues& environment, const std::string& startFolder)>;

} // namespace velmora::platform
