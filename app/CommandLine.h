#pragma once

#include <optional>

namespace velmora::app {

// Reads the program's options before any window exists, so that --help and
// --version answer without a display. Prints the help, the version or a
// one-line error and gives the exit status when the program is to end there;
// gives nothing when the window is to open. Qt's own options (-platform,
// -style, the -session a session manager restarts the program with) pass
// through to the window's application object. argc is Qt's to adjust.
std::optional<int> answerCommandLine(int& argc, char* argv[]);

} // namespace velmora::app
