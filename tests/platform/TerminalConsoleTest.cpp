// The console a user sees: a real terminal window on a real (virtual) X
// display. Registered under xvfb-run; skipped where no terminal is installed.
#include "platform/TerminalConsole.h"

#include "platform/PosixProcess.h"
#include "platform/ShellAndWait.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;

TEST(TerminalConsole, RunsTheCommandInATerminalWindowAndWaitsForIt)
{
    const auto& terminals = knownTerminals();
    if (std::none_of(terminals.begin(), terminals.end(),
                     [](const TerminalEmulator& terminal) { return isRunnableProgram(terminal.program); }))
        GTEST_SKIP() << "no terminal emulator installed (the set-up installs xterm)";
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X display: run under xvfb-run";

    const fs::path folder = fs::temp_directory_path() / ("velmora-terminal-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path written = folder / "written";
    TerminalConsole console;
    int dispatches = 0;
    // The command outlives a few looks, so the wait itself is exercised.
    const bool started = ShellAndWait("cmd.exe /c", "sleep 0.3; [ -t 0 ] && echo from-terminal > " + written.string(),
                                      console, [&](std::chrono::milliseconds longest) {
                                          ++dispatches;
                                          std::this_thread::sleep_for(longest);
                                      });
    EXPECT_TRUE(started);
    std::ifstream file {written};
    std::string line;
    std::getline(file, line);
    EXPECT_EQ(line, "from-terminal");
    EXPECT_GT(dispatches, 1);
    fs::remove_all(folder);
}

} // namespace
} // namespace velmora::platform
