#include "platform/ShellAndWait.h"

namespace velmora::platform {

std::string composeCommandLine(std::string_view prefix, std::string_view command)
{
    std::string line {prefix};
    line += ' ';
    line += command;
    return line;
}

bool ShellAndWait(std::string_view prefix, std::string_view command, Console& console, const DispatchEvents& dispatch,
                  const EnvironmentValues& environment)
{
    const auto running = console.start(prefix, command, environment);
    if (!running)
        return false;
    // Look first, then dispatch: even a command that has already ended gets
    // one look and one dispatch.
    for (;;) {
        const bool ended = running->hasEnded();
        dispatch(ended ? std::chrono::milliseconds::zero() : processPollInterval);
        if (ended)
            return true;
    }
}

} // namespace velmora::platform
