#pragma once

#include "platform/Console.h"

#include <memory>
#include <string>
#include <vector>

namespace velmora::testing {

// What to type at a prompt: the answer for the first entry whose text the
// prompt line contains. A prompt no entry matches gets Enter.
struct PromptAnswer
{
    std::string promptContains;
    std::string answer;
};

// A console without a window: runs the command in a pseudo-terminal of its
// own, which is also its controlling terminal, so programs that read pass
// phrases from the terminal do so here. Whenever the command's output stops at
// a prompt (an unfinished last line ending in ":", "]" or "?"), it types the
// matching answer and Enter, as a user would.
class PtyConsole final : public platform::Console
{
public:
    explicit PtyConsole(std::vector<PromptAnswer> answers = {});
    std::unique_ptr<platform::RunningCommand> start(std::string_view prefix, std::string_view command,
                                                    const platform::EnvironmentValues& environment) override;

    // Everything the started commands wrote, with the echo of what was typed.
    const std::string& transcript() const { return *transcript_; }

private:
    std::vector<PromptAnswer> answers_;
    std::shared_ptr<std::string> transcript_ = std::make_shared<std::string>();
};

} // namespace velmora::testing
