#pragma once

#include <chrono>

namespace velmora::win32 {

// Handles the thread's window messages, with the keyboard moving the focus
// between controls as in a dialog, until the program quits.
int runMessageLoop();

// The job's wait: handles what is pending, then whatever arrives, for at
// most the given time. A quit seen here is left for the outer loop.
void dispatchWindowEvents(std::chrono::milliseconds longest);

} // namespace velmora::win32
