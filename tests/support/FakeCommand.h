#pragma once

#include "platform/Console.h"
#include "platform/Utf8Path.h"

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>

namespace velmora::testing {

// A started command that has ended once `ended` says so, each time it is asked.
class CommandUntil final : public platform::RunningCommand
{
public:
    explicit CommandUntil(std::function<bool()> ended)
        : ended_(std::move(ended))
    {
    }
    bool hasEnded() override { return ended_(); }

private:
    std::function<bool()> ended_;
};

// Does what a tool step must: writes the file its command names after "-out".
inline void leaveOutputFile(std::string_view command, std::string_view content = "made")
{
    std::istringstream words {std::string(command)};
    for (std::string word; words >> word;)
        if (word == "-out" && words >> word)
            std::ofstream(platform::pathFromUtf8(word)) << content;
}

} // namespace velmora::testing
