#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

// The program and arguments that run a command line away from Windows: the
// prefix names the program and its options, split at blanks ("/bin/sh -c"),
// and the command follows as one argument, unchanged.
std::vector<std::string> posixCommandArgv(std::string_view prefix, std::string_view command);

// A terminal emulator whose process lives exactly as long as the command it
// is given, and how it is told the window title and that command.
struct TerminalEmulator
{
    std::string program;
    std::vector<std::string> options; // keep the process for the command's lifetime
    std::string titleOption; // followed by the title; empty when the title cannot be set
    std::string commandOption; // followed by the program and its arguments
};

// The terminals tried in turn, xterm first.
const std::vector<TerminalEmulator>& knownTerminals();

// The program and arguments that run a command in a terminal window titled
// with the given text.
std::vector<std::string> terminalArgv(const TerminalEmulator& terminal, std::string_view title,
                                      const std::vector<std::string>& commandArgv);

} // namespace velmora::platform
