#include "platform/TerminalConsole.h"

#include "platform/PosixProcess.h"

namespace velmora::platform {

TerminalConsole::TerminalConsole(std::vector<TerminalEmulator> candidates)
    : candidates_(std::move(candidates))
{
}

std::unique_ptr<RunningCommand> TerminalConsole::start(std::string_view prefix, std::string_view command,
                                                       const EnvironmentValues& environment)
{
    // Titled with the whole line that runs, as a Windows console shows its
    // command: the shell that stands in for the Windows interpreter.
    const auto commandArgv = posixCommandArgv(prefix, command);
    std::string title;
    for (const auto& argument : commandArgv)
        title += (title.empty() ? "" : " ") + argument;
    // A terminal that is missing or cannot be run fails to spawn: try the next.
    for (const auto& terminal : candidates_) {
        if (const auto pid = spawnProcess(terminalArgv(terminal, title, commandArgv), environment))
            return std::make_unique<PosixProcess>(*pid);
    }
    return nullptr;
}

std::unique_ptr<Console> makeSystemConsole()
{
    return std::make_unique<TerminalConsole>();
}

} // namespace velmora::platform
