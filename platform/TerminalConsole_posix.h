#pragma once

#include "platform/Console.h"
#include "platform/PosixCommand.h"

#include <string>
#include <vector>

namespace velmora::platform {

// The console away from Windows: a terminal emulator started for the one
// command, the first of the given ones that starts. Its window is where
// the user types the pass phrases and answers.
class TerminalConsole final : public Console
{
public:
    explicit TerminalConsole(std::vector<TerminalEmulator> candidates = knownTerminals(), std::string startFolder = {});
    std::unique_ptr<RunningCommand> start(std::string_view prefix, std::string_view command,
                                          const EnvironmentValues& environment) override;

private:
    std::vector<TerminalEmulator> candidates_;
    std::string startFolder_;
};

} // namespace velmora::platform
