#include "platform/TerminalConsole.h"

#include "platform/PosixProcess.h"
#include "platform/ShellAndWait.h"

#include <algorithm>

namespace velmora::platform {

TerminalConsole::TerminalConsole(std::vector<TerminalEmulator> candidates)
    : candidates_(std::move(candidates))
{
}

std::unique_ptr<RunningCommand> TerminalConsole::start(std::string_view prefix, std::string_view command)
{
    const auto installed = std::find_if(candidates_.begin(), candidates_.end(), [](const TerminalEmulator& terminal) {
        return isRunnableProgram(terminal.program);
    });
    if (installed == candidates_.end())
        return nullptr;
    // Titled with the whole line, as a Windows console shows its command.
    const auto argv = terminalArgv(*installed, composeCommandLine(prefix, command), posixCommandArgv(prefix, command));
    const auto pid = spawnProcess(argv);
    return pid ? std::make_unique<PosixProcess>(*pid) : nullptr;
}

std::unique_ptr<Console> makeSystemConsole()
{
    return std::make_unique<TerminalConsole>();
}

} // namespace velmora::platform
