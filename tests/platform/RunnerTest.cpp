// The runner with real processes, in the console a user sees: on Windows (here
// under Wine) the system's console with cmd.exe; elsewhere a terminal, for
// which "env" stands in here: it runs its command and lives as long, with no
// display. The real xterm runs in the job test under X.
#include "IdleWindow.h"
#include "TestFolder.h"
#include "platform/HiddenRun.h"
#include "platform/ShellAndWait.h"
#include "platform/Utf8Path.h"
#include "platform/VersionName.h"

#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#ifdef _WIN32
#include "ProgramFolder_win.h"
#else
#include "platform/TerminalConsole_posix.h"

#include <signal.h>
#include <unistd.h>
#endif

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

// Each system's console, and a command that waits for the release file,
// takes it away and ends with the exit code.
#ifdef _WIN32
std::unique_ptr<Console> systemConsole()
{
    return makeSystemConsole();
}
std::string takingTheRelease(const fs::path& release, const std::string& exitCode)
{
    return '"' + utf8FromPath(testing::programFolder() / "stand_in_openssl.exe") + "\" wait-for "
        + utf8FromPath(release) + " & exit " + exitCode;
}
#else
std::unique_ptr<Console> systemConsole()
{
    // A missing terminal, one that cannot be run (a folder) and the stand-in.
    return std::make_unique<TerminalConsole>(std::vector<TerminalEmulator> {
        {"velmora-no-such-terminal", {}, "-T", "-e"}, {"/", {}, "-T", "-e"}, {"env", {}, "", "--"}});
}
std::string takingTheRelease(const fs::path& release, const std::string& exitCode)
{
    const std::string file = "'" + release.string() + "'";
    return "while [ ! -e " + file + " ]; do sleep 0.01; done; rm " + file + "; exit " + exitCode;
}
#endif

// Runs the command with the release coming at the chosen dispatch, and says
// how many dispatches it took. A runner that misses the end fails here
// instead of hanging the suite.
std::pair<bool, int> runReleasedAt(Console& console, const std::string& command, const fs::path& release, int releaseAt,
                                   const EnvironmentValues& environment = {})
{
    int dispatches = 0;
    const auto dispatch = [&](milliseconds longest) {
        if (++dispatches == releaseAt)
            std::ofstream {release} << "go";
        if (dispatches > releaseAt + 500)
            throw std::runtime_error("still waiting long after the command ended");
        testing::sleepThrough(longest);
    };
    return {ShellAndWait(systemShellPrefix(), command, console, dispatch, environment), dispatches};
}

// Neither cmd.exe under Wine nor a POSIX shell passes on every exit code: the
// runner must not take 259, Windows' "still active", for a command still running.
TEST(Runner, WaitsInANewConsoleUntilTheCommandHasEndedWhateverItsExitCode)
{
    const testing::TestFolder folder {"runner"};
    const fs::path release = folder.path() / "release";
    const auto console = systemConsole();
    for (const auto& [releaseAt, exitCode] : {std::pair {10, "0"}, {3, "259"}}) {
        EXPECT_TRUE(runReleasedAt(*console, takingTheRelease(release, exitCode), release, releaseAt).first);
        EXPECT_FALSE(fs::exists(release)) << "returned before the command took the release";
    }
    // A command that ends at once is seen to end soon.
    const auto [started, dispatches] = runReleasedAt(*console, "exit 259", release, 0);
    EXPECT_TRUE(started);
    EXPECT_LE(dispatches, 10);
}

#ifndef _WIN32
TEST(Runner, GivesTheCommandItsValuesAndNoneOfTheToolsVariablesOfThisProcess)
{
    const testing::TestFolder folder {"runner-values"};
    const std::string written = (folder.path() / "written").string(), release = (folder.path() / "release").string();
    const auto console = systemConsole();
    const EnvironmentValues values {
        {"VELMORA_COMMON_NAME", "Velmora CA for a b"}, {"LANG", "zh_TW.UTF-8"}, {"OPENSSL_CONF", "/given.cnf"}};
    // What another program could have put in this process's environment for the tool to load.
    setenv("OPENSSL_MODULES", "/planted", 1);
    setenv("OPENSSL_CONF", "/planted.cnf", 1);
    // The value replaces the one this process has: one LANG among what the
    // command was started with, and of the tool's variables the given one alone.
    const std::string counts = "$(tr '\\0' '\\n' </proc/$$/environ | grep -c -e ^LANG= -e ^OPENSSL_)";
    const std::string writing = "while [ ! -e '" + release
        + "' ]; do sleep 0.01; done; echo \"$VELMORA_COMMON_NAME|$LANG|" + "$OPENSSL_CONF|" + counts + "\" > '"
        + written + "'";
    EXPECT_TRUE(runReleasedAt(*console, writing, release, 3, values).first);
    unsetenv("OPENSSL_MODULES");
    unsetenv("OPENSSL_CONF");
    EXPECT_EQ(testing::contentOf(written), "Velmora CA for a b|zh_TW.UTF-8|/given.cnf|2\n");
    EXPECT_EQ(std::getenv("VELMORA_COMMON_NAME"), nullptr) << "the value left in this process";

    // The look at a request, with no console: this process's environment and the value, and the exit status.
    std::size_t inherited = 0;
    for (char** entry = environ; *entry; ++entry)
        inherited += !std::string_view(*entry).starts_with("OPENSSL_");
    const std::string counting
        = "tr '\\0' '\\n' </proc/$$/environ | grep -c . > '" + folder.path().string() + "/count'; exit 3";
    EXPECT_EQ(runHidden({"/bin/sh", "-c", counting}, {{"VELMORA_HIDDEN", "1"}}, folder.path().string()), 3);
    EXPECT_EQ(testing::contentOf(folder.path() / "count"), std::to_string(inherited + 1) + "\n");

    // With SIGCHLD ignored the system reaps children itself, and waitpid
    // can only say there is no such child any more.
    const auto previous = signal(SIGCHLD, SIG_IGN);
    EXPECT_NO_THROW(EXPECT_TRUE(runReleasedAt(*console, "exit 0", release, 0).first));
    signal(SIGCHLD, previous);

    // When no terminal starts, the runner says so and waits for nothing.
    TerminalConsole none {{{folder.path().string(), {}, "-T", "-e"}}};
    EXPECT_FALSE(ShellAndWait(systemShellPrefix(), "exit 0", none, testing::sleepThrough));
}
#else
TEST(Runner, SaysSoWhenTheInterpreterCannotStart)
{
    EXPECT_FALSE(ShellAndWait("no-such-interpreter.exe /c", "exit 0", *systemConsole(), [](auto) {}));
}
#endif

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
