#include "platform/VersionName.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

constexpr unsigned long win9x = platformWin32Windows;
constexpr unsigned long nt = platformWin32Nt;

TEST(VersionName, EditionsByTheServicePacksSecondCharacterAndNoNameOutsideTheTable)
{
    const std::pair<VersionRecord, const char*> table[] = {
        {{win9x, 4, 0, " C  build"}, "Microsoft Windows 95 OSR2"},
        {{win9x, 4, 0, "C"}, "Microsoft Windows 95"}, // the second character, not the first
        {{win9x, 4, 0, " c"}, "Microsoft Windows 95"}, // compared exactly
        {{win9x, 4, 10, " A "}, "Microsoft Windows 98 SE"},
        {{win9x, 4, 10, " C"}, "Microsoft Windows 98"}, // each version its own letter
        {{nt, 3, 51, ""}, "Microsoft Windows NT 4.0"}, // older NT counts as 4.0
        {{nt, 10, 0, ""}, ""},
        {{0, 4, 0, " C"}, ""}, // Win32s; a failed query leaves platform 0 too
    };
    for (const auto& [record, name] : table)
        EXPECT_EQ(versionNameFor(record), name) << record.platformId << ' ' << record.majorVersion << '.'
                                                << record.minorVersion << " \"" << record.servicePack << '"';
}

TEST(VersionName, TheRunningSystemIsNamedByItsVersionQuery)
{
    // Under Wine the test run makes this program's system Windows 98 SE;
    // elsewhere there is no Windows version to name.
    const char* expected = std::getenv("VELMORA_TEST_OS_NAME");
    EXPECT_EQ(GetOSName(), expected ? expected : "");
}

TEST(ShellPrefix, EveryNineXNameGetsCommandComAnyOtherTextCmdExe)
{
    // Every name the version table gives, so the two tables cannot drift apart.
    for (const unsigned long platform : {win9x, nt})
        for (const unsigned long major : {3, 4, 5})
            for (const unsigned long minor : {0, 1, 2, 10, 90})
                for (const char* servicePack : {"", " A", " C"}) {
                    const std::string name = versionNameFor({platform, major, minor, servicePack});
                    EXPECT_EQ(GetShellPrefix(name),
                              platform == win9x && !name.empty() ? "command.com /c" : "cmd.exe /c")
                        << '"' << name << '"';
                }
    for (const char* name : {"microsoft windows 98", "Microsoft Windows 98 ", "Linux"})
        EXPECT_EQ(GetShellPrefix(name), "cmd.exe /c") << '"' << name << '"';
}

} // namespace
} // namespace velmora::platform
