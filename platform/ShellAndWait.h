#pragma once

#include "platform/Console.h"
#include "platform/EventWait.h"

#include <chrono>
#include <string>
#include <string_view>

namespace velmora::platform {

// How long the runner lets the window handle events between two looks at the
// process: the longest it can notice the end late. Events themselves are
// handled as they arrive.
inline constexpr std::chrono::milliseconds processPollInterval {20};

// The line that runs: the prefix, one blank and the command, nothing added.
std::string composeCommandLine(std::string_view prefix, std::string_view command);

// Starts the command in a console of its own and returns once its process has
// ended, letting the window handle its events meanwhile. It neither ends the
// process nor gives up on it. Returns whether a process could be started at
// all; the command's own success is not known here. The environment values
// are the command's alone.
bool ShellAndWait(std::string_view prefix, std::string_view command, Console& console, const DispatchEvents& dispatch,
                  const EnvironmentValues& environment = {});

} // namespace velmora::platform
