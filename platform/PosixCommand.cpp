#include "platform/PosixCommand.h"

#include <sstream>

namespace velmora::platform {

std::vector<std::string> posixCommandArgv(std::string_view prefix, std::string_view command)
{
    std::vector<std::string> argv;
    std::istringstream words {std::string {prefix}};
    for (std::string word; words >> word;)
        argv.push_back(word);
    argv.emplace_back(command);
    return argv;
}

const std::vector<TerminalEmulator>& knownTerminals()
{
    // Only terminals that can be kept from handing the command to a server
    // process and returning at once: the runner waits for this process.
    static const std::vector<TerminalEmulator> terminals {
        {"xterm", {}, "-T", "-e"},
        {"konsole", {"--nofork"}, "", "-e"},
        {"gnome-terminal", {"--wait"}, "--title", "--"},
        {"xfce4-terminal", {"--disable-server"}, "--title", "-x"},
    };
    return terminals;
}

std::vector<std::string> terminalArgv(const TerminalEmulator& terminal, std::string_view title,
                                      const std::vector<std::string>& commandArgv)
{
    std::vector<std::string> argv {terminal.program};
    argv.insert(argv.end(), terminal.options.begin(), terminal.options.end());
    if (!terminal.titleOption.empty()) {
        argv.push_back(terminal.titleOption);
        argv.emplace_back(title);
    }
    argv.push_back(terminal.commandOption);
    argv.insert(argv.end(), commandArgv.begin(), commandArgv.end());
    return argv;
}

} // namespace velmora::platform
