#pragma once

#include <chrono>

namespace velmora::app {

// Lets the window handle its pending events and, for at most the given time,
// each new one as it arrives; with zero only what is pending. The runner and
// the job's pauses wait through it, so the window stays responsive and the
// waiting thread sleeps while there is nothing to do.
void dispatchWindowEvents(std::chrono::milliseconds longest);

} // namespace velmora::app
