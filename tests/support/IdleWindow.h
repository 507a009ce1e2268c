#pragma once

#include <chrono>
#include <thread>

namespace velmora::testing {

// Stands in for the window's event dispatch where no events matter: sleeps
// through the time it is given, as an idle event loop does.
inline void sleepThrough(std::chrono::milliseconds longest)
{
    std::this_thread::sleep_for(longest);
}

} // namespace velmora::testing
