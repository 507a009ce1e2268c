#include "platform/TerminalConsole_posix.h"

#include "platform/FolderTrust.h"
#include "platform/Process_posix.h"

#include <cstdlib>
#include <unistd.h>

namespace velmora::platform {

namespace {

// PATH, or the system's own search path where none is set.
std::string searchPath()
{
    if (const char* path = std::getenv("PATH"))
        return path;
    std::string path(confstr(_CS_PATH, nullptr, 0), '\0');
    confstr(_CS_PATH, path.data(), path.size());
    return path.c_str();
}

} // namespace

TerminalConsole::TerminalConsole(std::vector<TerminalEmulator> candidates, std::string startFolder)
    : candidates_(std::move(candidates))
    , startFolder_(std::move(startFolder))
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
    for (auto terminal : candidates_) {
        if (terminal.program.find('/') == std::string::npos) {
            // Found by PATH, a program another account put in the current
            // folder or a folder it can write would get the pass phrases.
            const auto found = findTrustedProgram(terminal.program, searchPath());
            if (!found)
                continue;
            terminal.program = *found;
        }
        if (const auto pid = spawnProcess(terminalArgv(terminal, title, commandArgv), environment, startFolder_))
            return std::make_unique<PosixProcess>(*pid);
    }
    return nullptr;
}

std::unique_ptr<Console> makeSystemConsole(const std::string& startFolder)
{
    return std::make_unique<TerminalConsole>(knownTerminals(), startFolder);
}

} // namespace velmora::platform
