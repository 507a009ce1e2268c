#pragma once

#include "platform/ChildEnvironment.h"

#include <memory>
#include <string>
#include <string_view>

namespace velmora::platform {

// A command started by a console, until it has ended.
class RunningCommand
{
public:
    virtual ~RunningCommand() = default;
    // Whether the process has ended, asked of the process state without
    // waiting. Never of the exit code: a process may really end with any code.
    virtual bool hasEnded() = 0;
};

// Starts a command line in a console window of its own, where the user answers
// whatever the command asks. Tests replace it with a console of their own.
class Console
{
public:
    virtual ~Console() = default;
    // Starts the line made of the interpreter prefix and the command, with
    // the values added to its environment; null when no process could be
    // started.
    virtual std::unique_ptr<RunningCommand> start(std::string_view prefix, std::string_view command,
                                                  const EnvironmentValues& environment)
        = 0;
};

// The system's console: a new console window on Windows, a terminal emulator
// started for the one command elsewhere. Its commands start in the given
// folder (the working folder), not wherever this program was started from;
// in this program's own current folder when it is empty.
std::unique_ptr<Console> makeSystemConsole(const std::string& startFolder = {});

} // namespace velmora::platform
