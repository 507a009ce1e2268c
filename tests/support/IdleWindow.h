#pragma once

#include "platform/EventWait.h"

#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <thread>

namespace velmora::testing {

// Stands in for the window's event dispatch where no events matter: sleeps
// through the time it is given, as an idle event loop does.
inline void sleepThrough(std::chrono::milliseconds longest)
{
    std::this_thread::sleep_for(longest);
}

// The same with a cap: past it, the test fails saying what it was waiting
// for, and the wait ends by an exception. A command stuck at a prompt then
// shows as that failure, not as the suite's time-out minutes later.
inline platform::DispatchEvents cappedIdleWait(std::function<std::string()> awaited,
                                               std::chrono::seconds cap = std::chrono::seconds {60})
{
    const auto deadline = std::chrono::steady_clock::now() + cap;
    return [=](std::chrono::milliseconds longest) {
        if (std::chrono::steady_clock::now() < deadline)
            return sleepThrough(longest);
        ADD_FAILURE() << "still waiting after " << cap.count() << " s for " << awaited();
        throw std::runtime_error("wait capped");
    };
}

} // namespace velmora::testing
