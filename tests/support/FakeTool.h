#pragma once

#include "TestFolder.h"
#include "platform/Console.h"
#include "platform/Utf8Path.h"

#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace velmora::testing {

// Stands in for the console and the tool: records each command with the
// environment it gives the tool and leaves the file the command names after
// "-out", unless told to fail at a step: then none, or an empty one as a
// console closed at a prompt does. A command has ended once `whileRunning`
// has seen it run.
struct FakeTool final : platform::Console
{
    std::vector<std::pair<std::string, std::map<std::string, std::string>>> started; // line, environment
    std::size_t failingStep = 0; // 1-based; 0 for none
    bool failureLeavesEmptyFile = false, noConsole = false, throws = false;
    std::function<void()> whileRunning = [] {};
    // Where the commands start, for the files they name by their names alone.
    std::filesystem::path startFolder;

    // The tool's look at a request: it reads a text that starts as one does.
    static std::optional<int> runHidden(const std::vector<std::string>& argv, const platform::EnvironmentValues&,
                                        const std::string& startFolder)
    {
        return contentOf(platform::pathFromUtf8(startFolder) / platform::pathFromUtf8(argv.back()))
                   .starts_with("-----BEGIN CERTIFICATE REQUEST-----")
            ? 0
            : 1;
    }

    std::unique_ptr<platform::RunningCommand> start(std::string_view prefix, std::string_view command,
                                                    const platform::EnvironmentValues& environment) override
    {
        if (noConsole)
            return nullptr;
        if (throws)
            throw std::runtime_error("a path the system cannot convert");
        started.push_back({std::string(prefix) + " " + std::string(command), {environment.begin(), environment.end()}});
        const bool failing = started.size() == failingStep;
        std::istringstream words {std::string(command)};
        for (std::string word; words >> word;)
            if (word == "-out" && words >> word && (!failing || failureLeavesEmptyFile))
                std::ofstream(startFolder / platform::pathFromUtf8(word)) << (failing ? "" : "made");
        auto running = std::make_unique<Ended>();
        running->whileRunning = whileRunning;
        return running;
    }

private:
    // A command that has ended once the window has been seen while it ran.
    struct Ended final : platform::RunningCommand
    {
        std::function<void()> whileRunning;
        bool hasEnded() override { return whileRunning(), true; }
    };
};

} // namespace velmora::testing
