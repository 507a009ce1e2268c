#include "platform/TerminalConsole.h"

#include "platform/PosixProcess.h"
#include "platform/ShellAndWait.h"

namespace velmora::platform {

TerminalConsole::TerminalConsole(std::vector<TerminalEmulator> candidates)
    : candidates_(std::move(candidates))
{
}

std::unique_ptr<RunningCommand> TerminalConsole::start(std::string_view prefix, std::string_view command)
{
    // Titled with the whole line, as a Windows console shows its command.
    const std::string title = composeCommandLine(prefix, command);
    const auto commandArgv = posixCommandArgv(prefix, command);
    // A terminal that is missing or cannot be run fails to spawn: try the next.
    for (const auto& terminal : candidates_) {
        if (const auto pid = spawnProcess(terminalArgv(terminal, title, commandArgv)))
            return std::make_unique<PosixProcess>(*pid);
    }
    return nullptr;
}

std::unique_ptr<Console> makeSystemConsole()
{
    return std::make_unique<TerminalConsole>();
}

} // namespace velmora::platform
