#pragma once

#include <chrono>
#include <functional>

namespace velmora::platform {

// Handles the window's pending events and then any that arrive, for at most
// the given time, and returns no later. The window supplies it; with zero it
// handles only what is pending. Waiting inside it, rather than looping around
// it, is what keeps an idle wait from burning a core.
using DispatchEvents = std::function<void(std::chrono::milliseconds longest)>;

using SteadyNow = std::function<std::chrono::steady_clock::time_point()>;

// Notes the time, then lets the window handle its events until the given
// length has passed since then.
void pauseDispatchingEvents(std::chrono::milliseconds length, const DispatchEvents& dispatch,
                            const SteadyNow& now = std::chrono::steady_clock::now);

} // namespace velmora::platform
