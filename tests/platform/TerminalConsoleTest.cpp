// The console a user sees: a terminal window. The real xterm runs in the job
// test under X; here stand-ins show how the first terminal that starts is found.
#include "platform/TerminalConsole.h"

#include "IdleWindow.h"
#include "TestFolder.h"
#include "platform/ShellAndWait.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;

class TerminalConsoles : public ::testing::Test
{
protected:
    // Runs a command that writes a line only once the third look has let it
    // go, and gives the line: a process that ended before its command shows no
    // line. The command stops waiting when the folder goes, so it outlives no test.
    std::string writtenLine(TerminalConsole& console, const std::string& lineCommand,
                            const EnvironmentValues& environment = {})
    {
        const std::string folder = folder_.path().string(), release = folder_.file("release");
        const std::string command = "while [ -d '" + folder + "' ] && [ ! -e '" + release + "' ]; do sleep 0.01; done; "
            + lineCommand + " > '" + folder_.file("written") + "'";
        int dispatches = 0;
        const bool started = ShellAndWait(
            "cmd.exe /c", command, console,
            [&](std::chrono::milliseconds longest) {
                if (++dispatches == 3)
                    std::ofstream {release};
                testing::sleepThrough(longest);
            },
            environment);
        EXPECT_TRUE(started);
        std::ifstream file {folder_.file("written")};
        std::string line;
        std::getline(file, line);
        return line;
    }

    testing::TestFolder folder_ {"terminal"};
};

TEST_F(TerminalConsoles, TheFirstTerminalThatStartsRunsTheCommand)
{
    const fs::path notRunnable = folder_.path() / "not-runnable";
    std::ofstream {notRunnable} << "#!/bin/sh\n";
    // "env" stands in for a terminal: it runs its command and lives as long.
    TerminalConsole console {
        {{"velmora-no-such-terminal", {}, "-T", "-e"}, {notRunnable.string(), {}, "-T", "-e"}, {"env", {}, "", "--"}}};
    EXPECT_EQ(writtenLine(console, "echo from-env"), "from-env");
}

TEST_F(TerminalConsoles, TheValuesGoToTheCommandAloneOverThoseOfThisProcess)
{
    TerminalConsole console {{{"env", {}, "", "--"}}};
    const EnvironmentValues values {{"VELMORA_COMMON_NAME", "Velmora CA for a b"}, {"LANG", "zh_TW.UTF-8"}};
    EXPECT_EQ(writtenLine(console, "echo \"$VELMORA_COMMON_NAME|$LANG\"", values), "Velmora CA for a b|zh_TW.UTF-8");
    EXPECT_EQ(std::getenv("VELMORA_COMMON_NAME"), nullptr);
    EXPECT_STRNE(std::getenv("LANG"), "zh_TW.UTF-8");
}

TEST_F(TerminalConsoles, NoTerminalThatStartsMeansNoProcess)
{
    TerminalConsole console {{{"velmora-no-such-terminal", {}, "-T", "-e"}}};
    EXPECT_FALSE(ShellAndWait("cmd.exe /c", "true", console, [](auto) {}));
}

} // namespace
} // namespace velmora::platform
