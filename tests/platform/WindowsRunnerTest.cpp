#include "IdleWindow.h"
#include "TestFolder.h"
#include "platform/AppFolder.h"
#include "platform/ShellAndWait.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;

class WindowsRunner : public ::testing::Test
{
protected:
    // Runs the helper through cmd.exe until the test lets it end, then ends
    // the interpreter with the exit code (Wine's cmd.exe passes on none of
    // the helper's). Counts the runner's dispatches; a runner that misses the
    // end gives up after a few seconds instead of hanging the suite.
    bool runReleasedAfter(int dispatches, const std::string& exitCode)
    {
        const std::string release = (folder_.path() / "release").string();
        const std::string helper = fileInFolder(executableFolder(), "wait_for_file.exe");
        int count = 0;
        const bool started
            = ShellAndWait("cmd.exe /c", '"' + helper + "\" " + release + " & exit " + exitCode, *console_,
                           [&](std::chrono::milliseconds longest) {
                               if (++count == dispatches)
                                   std::ofstream {release} << "go";
                               if (count > dispatches + 500)
                                   throw std::runtime_error("still waiting long after the command ended");
                               std::this_thread::sleep_for(longest);
                           });
        EXPECT_GE(count, dispatches);
        EXPECT_FALSE(fs::exists(release)) << "returned before the helper took the release";
        return started;
    }
    const testing::TestFolder folder_ {"runner"};
    const std::unique_ptr<Console> console_ = makeSystemConsole();
};

TEST_F(WindowsRunner, WaitsInANewConsoleUntilTheCommandHasEnded)
{
    EXPECT_TRUE(runReleasedAfter(10, "0"));
}

TEST_F(WindowsRunner, ACommandThatEndsWithTheCodeOfARunningOneHasEnded)
{
    EXPECT_TRUE(runReleasedAfter(3, "259"));
}

TEST_F(WindowsRunner, AStartThatFailsReturnsAfterOneDispatch)
{
    int dispatches = 0;
    EXPECT_FALSE(ShellAndWait("no-such-interpreter.exe /c", "exit 0", *console_, [&](auto) { ++dispatches; }));
    EXPECT_EQ(dispatches, 1);
}

TEST_F(WindowsRunner, TheInterpreterIsTheSystemsNotOneBesideTheProgram)
{
    // The search order would find this one first; it leaves calls.txt beside itself.
    const fs::path planted = fs::path(executableFolder()) / "cmd.exe",
                   mark = fs::path(executableFolder()) / "calls.txt";
    fs::copy_file(fs::path(executableFolder()) / "stand_in_openssl.exe", planted);
    const std::string ran = (folder_.path() / "ran").string();
    const bool started = ShellAndWait("cmd.exe /c", "echo ran> \"" + ran + "\"", *console_, testing::sleepThrough);
    const bool plantedRan = fs::exists(mark);
    fs::remove(planted);
    fs::remove(mark);
    EXPECT_TRUE(started);
    EXPECT_FALSE(plantedRan);
    EXPECT_TRUE(fs::exists(ran));
}

} // namespace
} // namespace velmora::platform
