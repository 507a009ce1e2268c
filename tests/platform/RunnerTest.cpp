// The runner with real processes, started by the console a user sees: a
// terminal. "env" stands in for one here: it runs its command and lives as
// long, with no display. The real xterm runs in the job test under X.
#include "FakeCommand.h"
#include "IdleWindow.h"
#include "TestFolder.h"
#include "platform/PosixProcess.h"
#include "platform/ShellAndWait.h"
#include "platform/TerminalConsole.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>

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
        {0, false, {none}},
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

class RealProcesses : public ::testing::Test
{
protected:
    // Runs the command and counts the dispatches. The release file appears
    // at the dispatch the test chooses; a runner that misses the end fails
    // here instead of hanging the suite.
    bool run(const std::string& command, int releaseAt = 0, const EnvironmentValues& environment = {})
    {
        dispatches_ = 0;
        return ShellAndWait(
            "cmd.exe /c", command, console_,
            [&](milliseconds longest) {
                if (++dispatches_ == releaseAt)
                    std::ofstream {folder_.file("release")};
                if (dispatches_ > releaseAt + 250)
                    throw std::runtime_error("still waiting long after the command ended");
                testing::sleepThrough(longest);
            },
            environment);
    }
    std::string written() const { return testing::contentOf(folder_.path() / "written"); }

    testing::TestFolder folder_ {"runner"};
    int dispatches_ = 0;
    const fs::path notRunnable_ = folder_.path() / "not-runnable";
    TerminalConsole console_ {
        {{"velmora-no-such-terminal", {}, "-T", "-e"}, {notRunnable_.string(), {}, "-T", "-e"}, {"env", {}, "", "--"}}};
};

TEST_F(RealProcesses, TheFirstTerminalThatStartsRunsTheCommandUntilItEndsWithTheValuesForItAlone)
{
    std::ofstream {notRunnable_} << "#!/bin/sh\n";
    // The command writes its line only once the third dispatch has let it go.
    const std::string command = "while [ ! -e '" + folder_.file("release") + "' ]; do sleep 0.01; done; echo "
        + "\"$VELMORA_COMMON_NAME|$LANG\" > '" + folder_.file("written") + "'";
    const EnvironmentValues values {{"VELMORA_COMMON_NAME", "Velmora CA for a b"}, {"LANG", "zh_TW.UTF-8"}};
    EXPECT_TRUE(run(command, 3, values));
    EXPECT_EQ(written(), "Velmora CA for a b|zh_TW.UTF-8\n");
    EXPECT_EQ(std::getenv("VELMORA_COMMON_NAME"), nullptr);
    EXPECT_STRNE(std::getenv("LANG"), "zh_TW.UTF-8");
}

TEST_F(RealProcesses, ACommandThatEndsAtOnceHasEndedWhateverItsExitCodeOrWhoReapedIt)
{
    // A child's exit status is 8 bits here: exit 259 (Windows' "still active")
    // ends with 3, and the runner must not confuse either with "still running".
    for (const char* command : {"exit 0", "exit 259", "exit 3"}) {
        EXPECT_TRUE(run(command)) << command;
        EXPECT_LE(dispatches_, 10) << command;
    }
    // With SIGCHLD ignored the system reaps children itself, and waitpid
    // can only say there is no such child any more.
    const auto previous = std::signal(SIGCHLD, SIG_IGN);
    EXPECT_NO_THROW(EXPECT_TRUE(run("exit 0")));
    std::signal(SIGCHLD, previous);
}

TEST_F(RealProcesses, NoTerminalThatStartsMeansNoProcess)
{
    TerminalConsole console {{{"velmora-no-such-terminal", {}, "-T", "-e"}}};
    EXPECT_FALSE(ShellAndWait("cmd.exe /c", "true", console, [](auto) {}));
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
    const std::string command = "while [ ! -e '" + folder_.file("release") + "' ]; do sleep 0.01; done; echo > '"
        + folder_.file("written") + "'";
    const auto pid = spawnProcess({"/bin/sh", "-c", command}, {});
    ASSERT_TRUE(pid);
    // Dropped at once, while the child waits for its release.
    EXPECT_FALSE(PosixProcess {*pid}.hasEnded());
    EXPECT_NE(processState(*pid), 0);
    EXPECT_NE(processState(*pid), 'Z');
    std::ofstream {folder_.file("release")};
    for (int look = 0; processState(*pid) != 0 && look < 1000; ++look)
        testing::sleepThrough(milliseconds {10});
    EXPECT_EQ(processState(*pid), 0) << "left as a zombie";
    EXPECT_EQ(written(), "\n") << "it ran to its end";
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
