#pragma once

#include "platform/PosixCommand.h"
#include "platform/PosixProcess.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace velmora::testing {

// What to type for a command: the lines for the first entry whose text the
// command contains. A command no entry matches gets no input.
struct TypedLines
{
    std::string commandContains;
    std::string lines;
};

// A console without a window that types ahead. The command runs in a session
// of its own, so it has no terminal to open and OpenSSL reads its pass
// phrases and answers from standard input, which holds the lines. What the
// command writes goes to a transcript beside the lines, never into the
// folders the test looks at.
class StdinConsole final : public platform::Console
{
public:
    StdinConsole(const std::filesystem::path& folder, std::vector<TypedLines> typed)
        : lines_(folder / "typed")
        , transcript_(folder / "transcript")
        , typed_(std::move(typed))
    {
    }
    std::unique_ptr<platform::RunningCommand> start(std::string_view prefix, std::string_view command,
                                                    const platform::EnvironmentValues& environment) override
    {
        std::ofstream input {lines_};
        for (const auto& entry : typed_)
            if (command.find(entry.commandContains) != std::string_view::npos) {
                input << entry.lines;
                break;
            }
        input.close();
        std::vector<std::string> argv {"setsid",
                                       "-w",
                                       "/bin/sh",
                                       "-c",
                                       R"(exec <"$0" >>"$1" 2>&1; shift; exec "$@")",
                                       lines_.string(),
                                       transcript_.string()};
        for (auto& argument : platform::posixCommandArgv(prefix, command))
            argv.push_back(std::move(argument));
        const auto pid = platform::spawnProcess(argv, environment);
        return pid ? std::make_unique<platform::PosixProcess>(*pid) : nullptr;
    }
    std::string transcript() const
    {
        std::ifstream file {transcript_};
        return {std::istreambuf_iterator<char> {file}, {}};
    }

private:
    std::filesystem::path lines_, transcript_;
    std::vector<TypedLines> typed_;
};

} // namespace velmora::testing
