// The runner with real processes, started by the console a user sees: a
// terminal. "env" stands in for one here: it runs its command and lives as
// long, with no display. The real xterm runs in the job test under X.
#include "IdleWindow.h"
#include "TestFolder.h"
#include "platform/HiddenRun.h"
#include "platform/ShellAndWait.h"
#include "platform/TerminalConsole_posix.h"

#include <fstream>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdexcept>
#include <unistd.h>

namespace velmora::platform {
namespace {

using std::chrono::milliseconds;

class RealProcesses : public ::testing::Test
{
protected:
    // Runs the command and counts the dispatches. The release file appears
    // at the dispatch the test chooses; a runner that misses the end fails
    // here instead of hanging the suite.
    bool run(const std::string& command, int releaseAt = 0, const EnvironmentValues& environment = {})
    {
        dispatches_ = 0;
        const auto dispatch = [&](milliseconds longest) {
            if (++dispatches_ == releaseAt)
                std::ofstream {folder_.path() / "release"};
            if (dispatches_ > releaseAt + 250)
                throw std::runtime_error("still waiting long after the command ended");
            testing::sleepThrough(longest);
        };
        return ShellAndWait("/bin/sh -c", command, console_, dispatch, environment);
    }
    // A command that waits for the release file, then writes what the shell makes of the words.
    std::string writingOnRelease(const std::string& words) const
    {
        const std::string folder = folder_.path().string();
        return "while [ ! -e '" + folder + "/release' ]; do sleep 0.01; done; echo " + words + " > '" + folder
            + "/written'";
    }

    testing::TestFolder folder_ {"runner"};
    int dispatches_ = 0;
    // The stand-in is found only through PATH, in a folder of the user's own.
    void SetUp() override
    {
        std::filesystem::create_symlink("/usr/bin/env", folder_.path() / "velmora-env");
        setenv("PATH", (folder_.path().string() + ":" + std::getenv("PATH")).c_str(), 1);
    }
    // A missing terminal, one that cannot be run (a folder) and the stand-in.
    TerminalConsole console_ {{{"velmora-no-such-terminal", {}, "-T", "-e"},
                               {folder_.path().string(), {}, "-T", "-e"},
                               {"velmora-env", {}, "", "--"}}};
};

TEST_F(RealProcesses, TheFirstTerminalThatStartsRunsTheCommandWithItsValuesUntilItEndsHoweverItEnds)
{
    const EnvironmentValues values {
        {"VELMORA_COMMON_NAME", "Velmora CA for a b"}, {"LANG", "zh_TW.UTF-8"}, {"OPENSSL_CONF", "/given.cnf"}};
    // What another program could have put in this process's environment for the tool to load.
    setenv("OPENSSL_MODULES", "/planted", 1);
    setenv("OPENSSL_CONF", "/planted.cnf", 1);
    // The value replaces the one this process has: one LANG among what the
    // command was started with, and of the tool's variables the given one alone.
    const std::string counts = "$(tr '\\0' '\\n' </proc/$$/environ | grep -c -e ^LANG= -e ^OPENSSL_)";
    EXPECT_TRUE(run(writingOnRelease("\"$VELMORA_COMMON_NAME|$LANG|$OPENSSL_CONF|" + counts + "\""), 3, values));
    unsetenv("OPENSSL_MODULES");
    unsetenv("OPENSSL_CONF");
    EXPECT_EQ(testing::contentOf(folder_.path() / "written"), "Velmora CA for a b|zh_TW.UTF-8|/given.cnf|2\n");
    EXPECT_EQ(std::getenv("VELMORA_COMMON_NAME"), nullptr) << "the value left in this process";

    // The look at a request, with no console: this process's environment and the value, and the exit status.
    std::size_t inherited = 0;
    for (char** entry = environ; *entry; ++entry)
        inherited += !std::string_view(*entry).starts_with("OPENSSL_");
    const std::string folder = folder_.path().string();
    const std::string counting = "tr '\\0' '\\n' </proc/$$/environ | grep -c . > count; exit 3"; // in the folder
    EXPECT_EQ(runHidden({"/bin/sh", "-c", counting}, {{"VELMORA_HIDDEN", "1"}}, folder), 3);
    EXPECT_EQ(testing::contentOf(folder_.path() / "count"), std::to_string(inherited + 1) + "\n");

    // A command that fails at once is seen to end soon. A child's exit status
    // is 8 bits here: exit 259 (Windows' "still active") ends with 3.
    EXPECT_TRUE(run("exit 259"));
    EXPECT_LE(dispatches_, 10);
    // With SIGCHLD ignored the system reaps children itself, and waitpid
    // can only say there is no such child any more.
    const auto previous = signal(SIGCHLD, SIG_IGN);
    EXPECT_NO_THROW(EXPECT_TRUE(run("exit 0")));
    signal(SIGCHLD, previous);

    // When no terminal starts, the runner says so and waits for nothing.
    TerminalConsole none {{{folder_.path().string(), {}, "-T", "-e"}}};
    EXPECT_FALSE(ShellAndWait("/bin/sh -c", "exit 0", none, testing::sleepThrough));
}

TEST(Pause, DispatchesUntilTheLengthHasPassedWithoutOvershooting)
{
    auto clock = std::chrono::steady_clock::time_point {};
    std::vector<milliseconds> waits;
    // Each dispatch takes its whole time but the first, which an event cuts
    // short at a moment between two milliseconds.
    const auto dispatch = [&](milliseconds longest) {
        waits.push_back(longest);
        clock += waits.size() == 1 ? std::chrono::microseconds {1'200'500} : longest;
    };
    pauseDispatchingEvents(milliseconds {5000}, dispatch, [&] { return clock; });
    EXPECT_EQ(waits, (std::vector<milliseconds> {milliseconds {5000}, milliseconds {3800}}));
}

} // namespace
} // namespace velmora::platform
