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

// A console whose process ends at the look the test chooses.
class ScriptedConsole final : public Console
{
public:
    explicit ScriptedConsole(int endsAtLook)
        : endsAtLook_(endsAtLook)
    {
    }
    std::unique_ptr<RunningCommand> start(std::string_view, std::string_view) override
    {
        if (endsAtLook_ == 0)
            return nullptr;
        return std::make_unique<Process>(*this);
    }
    int looks = 0;

private:
    struct Process final : RunningCommand
    {
        explicit Process(ScriptedConsole& console)
            : console(console)
        {
        }
        bool hasEnded() override { return ++console.looks >= console.endsAtLook_; }
        ScriptedConsole& console;
    };
    int endsAtLook_;
};

TEST(ShellAndWait, LooksBeforeEachDispatchAndWaitsOnlyWhileTheProcessRuns)
{
    struct Case
    {
        const char* label;
        int endsAtLook; // 0: the start fails
        bool started;
        std::vector<milliseconds> dispatches;
    };
    const milliseconds poll = processPollInterval, none {};
    const Case cases[] = {
        {"start fails: one dispatch, no look", 0, false, {none}},
        {"ended at once: one look, one dispatch", 1, true, {none}},
        {"ends at third look", 3, true, {poll, poll, none}},
    };
    for (const auto& testCase : cases) {
        ScriptedConsole console {testCase.endsAtLook};
        std::vector<milliseconds> dispatches;
        const bool started
            = ShellAndWait("cmd.exe /c", "x", console, [&](milliseconds wait) { dispatches.push_back(wait); });
        EXPECT_EQ(started, testCase.started) << testCase.label;
        EXPECT_EQ(dispatches, testCase.dispatches) << testCase.label;
        EXPECT_EQ(console.looks, std::max(testCase.endsAtLook, 0)) << testCase.label;
    }
}

// Stands in for the window: sleeps through the time it is given, as an
// idle event loop does, and runs the test's own "events".
struct IdleWindow
{
    int dispatches = 0;
    std::function<void(int)> onDispatch = [](int) {};
    void operator()(milliseconds longest)
    {
        onDispatch(++dispatches);
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

TEST_F(RealProcesses, ReturnsOnlyAfterTheCommandHasEnded)
{
    // The command waits until the window's fifth dispatch lets it go.
    window_.onDispatch = [&](int count) {
        if (count == 5)
            std::ofstream {file("release")};
    };
    const std::string command
        = "while [ ! -e '" + file("release") + "' ]; do sleep 0.01; done; echo > '" + file("ended") + "'";
    EXPECT_TRUE(ShellAndWait("cmd.exe /c", command, console_, std::ref(window_)));
    EXPECT_GE(window_.dispatches, 5);
    EXPECT_TRUE(fs::exists(file("ended")));
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
    const auto pid = spawnProcess({"/bin/sh", "-c", command});
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
