#include "FakeCommand.h"
#include "IdleWindow.h"
#include "PtyConsole.h"
#include "TestFolder.h"
#include "platform/PosixProcess.h"
#include "platform/ShellAndWait.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace velmora::platform {
namespace {

using std::chrono::milliseconds;
namespace fs = std::filesystem;

// A console whose command ends at the look the test chooses; at 0 it cannot start.
struct ScriptedConsole final : Console
{
    int endsAtLook = 0, looks = 0;
    std::unique_ptr<RunningCommand> start(std::string_view, std::string_view, const EnvironmentValues&) override
    {
        if (endsAtLook == 0)
            return nullptr;
        return std::make_unique<testing::CommandUntil>([this] { return ++looks >= endsAtLook; });
    }
};

TEST(ShellAndWait, LooksBeforeEachDispatchAndWaitsOnlyWhileTheProcessRuns)
{
    const milliseconds poll = processPollInterval, none {};
    // The look at which the command ends (0: the start fails), whether it started, the dispatches.
    const std::tuple<int, bool, std::vector<milliseconds>> cases[] = {
        {0, false, {none}}, // one dispatch, no look
        {1, true, {none}},
        {3, true, {poll, poll, none}},
    };
    for (const auto& [endsAtLook, started, dispatches] : cases) {
        ScriptedConsole console;
        console.endsAtLook = endsAtLook;
        std::vector<milliseconds> seen;
        EXPECT_EQ(ShellAndWait("cmd.exe /c", "x", console, [&](milliseconds wait) { seen.push_back(wait); }), started);
        EXPECT_EQ(seen, dispatches) << endsAtLook;
        EXPECT_EQ(console.looks, endsAtLook) << endsAtLook;
    }
}

// Stands in for the window: counts its dispatches and sleeps through each, as an idle event loop does.
struct IdleWindow
{
    int dispatches = 0;
    void operator()(milliseconds longest)
    {
        ++dispatches;
        testing::sleepThrough(longest);
    }
};

class RealProcesses : public ::testing::Test
{
protected:
    std::string file(const char* name) const { return folder_.file(name); }

    testing::TestFolder folder_ {"runner"};
    testing::PtyConsole console_;
    IdleWindow window_;
};

TEST_F(RealProcesses, ACommandThatEndsAtOnceReturnsAfterFewLooksWhateverItsExitCode)
{
    // A child's exit status is 8 bits here: exit 259 (Windows' "still active")
    // ends with 3, and the runner must not confuse either with "still running".
    for (const char* command : {"exit 0", "exit 259", "exit 3"}) {
        window_.dispatches = 0;
        EXPECT_TRUE(ShellAndWait("/bin/bash -c", command, console_, std::ref(window_))) << command;
        EXPECT_LE(window_.dispatches, 10) << command;
    }
}

TEST_F(RealProcesses, AChildSomeoneElseReapedCountsAsEnded)
{
    // With SIGCHLD ignored the system reaps children itself, and waitpid
    // can only say there is no such child any more.
    const auto previous = std::signal(SIGCHLD, SIG_IGN);
    EXPECT_TRUE(ShellAndWait("cmd.exe /c", "exit 0", console_, std::ref(window_)));
    std::signal(SIGCHLD, previous);
}

// The state letter of a process ('Z' for a zombie), or 0 once it is gone.
char processState(pid_t pid)
{
    std::ifstream stat {"/proc/" + std::to_string(pid) + "/stat"};
    std::string line;
    std::getline(stat, line);
    const auto nameEnd = line.rfind(") ");
    return nameEnd == std::string::npos ? 0 : line[nameEnd + 2];
}

TEST_F(RealProcesses, ADroppedRunningProcessRunsOnAndIsReapedOnceItEnds)
{
    const std::string command
        = "while [ ! -e '" + file("release") + "' ]; do sleep 0.01; done; echo > '" + file("ended") + "'";
    const auto pid = spawnProcess({"/bin/sh", "-c", command}, {});
    ASSERT_TRUE(pid);
    // Dropped at once, while the child waits for its release.
    EXPECT_FALSE(PosixProcess {*pid}.hasEnded());
    EXPECT_NE(processState(*pid), 0);
    EXPECT_NE(processState(*pid), 'Z');
    std::ofstream {file("release")};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds {10};
    while (processState(*pid) != 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(milliseconds {5});
    EXPECT_EQ(processState(*pid), 0) << "left as a zombie";
    EXPECT_TRUE(fs::exists(file("ended"))) << "it ran to its end";
}

TEST(Pause, DispatchesUntilTheLengthHasPassedWithoutOvershooting)
{
    auto clock = std::chrono::steady_clock::time_point {};
    std::vector<milliseconds> waits;
    // Each dispatch takes its whole time but the first, which an event cuts
    // short at a moment between two milliseconds.
    pauseDispatchingEvents(
        milliseconds {5000},
        [&](milliseconds longest) {
            waits.push_back(longest);
            clock += waits.size() == 1 ? std::chrono::microseconds {1'200'500} : longest;
        },
        [&] { return clock; });
    EXPECT_EQ(waits, (std::vector<milliseconds> {milliseconds {5000}, milliseconds {3800}}));
    EXPECT_EQ(clock.time_since_epoch(), std::chrono::microseconds {5'000'500});
}

} // namespace
} // namespace velmora::platform
