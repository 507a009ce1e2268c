#pragma once

#include "platform/Console.h"

#include <functional>
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

} // namespace velmora::testing
