#include "platform/AppFolder.h"
#include "platform/PosixCommand.h"
#include "platform/ShellAndWait.h"
#include "platform/Utf8Path.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

using Argv = std::vector<std::string>;

TEST(CommandLine, IsThePrefixOneBlankAndTheCommandUnquoted)
{
    EXPECT_EQ(composeCommandLine("cmd.exe /c", " C:\\My Tools\\openssl.exe"), "cmd.exe /c  C:\\My Tools\\openssl.exe");
}

TEST(PosixCommand, WindowsInterpretersBecomeTheShellWithTheCommandAsOneArgument)
{
    const std::tuple<const char*, const char*, Argv> table[] = {
        {"cmd.exe /c", "/opt/My Tool/openssl genrsa 2048", {"/bin/sh", "-c", "/opt/My Tool/openssl genrsa 2048"}},
        {"command.com /c", "echo 'a  b'", {"/bin/sh", "-c", "echo 'a  b'"}},
        {"/bin/bash  -c", "exit 3", {"/bin/bash", "-c", "exit 3"}},
        {"CMD.EXE /c", "x", {"CMD.EXE", "/c", "x"}},
    };
    for (const auto& [prefix, command, argv] : table)
        EXPECT_EQ(posixCommandArgv(prefix, command), argv) << prefix;
}

TEST(PosixCommand, TerminalsGetTitleAndCommandInTheirOwnWay)
{
    const Argv command {"/bin/sh", "-c", "echo hi"};
    const std::pair<TerminalEmulator, Argv> table[] = {
        {knownTerminals().front(), {"xterm", "-T", "cmd.exe /c echo hi", "-e", "/bin/sh", "-c", "echo hi"}},
        {{"konsole", {"--nofork"}, "", "-e"}, {"konsole", "--nofork", "-e", "/bin/sh", "-c", "echo hi"}},
    };
    for (const auto& [terminal, argv] : table)
        EXPECT_EQ(terminalArgv(terminal, "cmd.exe /c echo hi", command), argv) << terminal.program;
}

TEST(AppFolder, IsTheFolderOfTheRunningExecutable)
{
    const auto workingFolder = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    EXPECT_TRUE(std::filesystem::exists(pathFromUtf8(fileInFolder(executableFolder(), VELMORA_TEST_EXECUTABLE_NAME))));
    std::filesystem::current_path(workingFolder);
}

} // namespace
} // namespace velmora::platform
