#include "platform/VersionName.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

TEST(ShellPrefix, TheNineXFamilyHasCommandComAndEveryOtherSystemCmdExe)
{
    // Only the prefix depends on the name, so the name table and the prefix
    // table must agree on every edition of the family and on nothing else.
    const std::pair<VersionRecord, const char*> systems[] = {
        {{platformWin32Windows, 4, 0, ""}, "command.com /c"},
        {{platformWin32Windows, 4, 0, " C"}, "command.com /c"},
        {{platformWin32Windows, 4, 10, ""}, "command.com /c"},
        {{platformWin32Windows, 4, 10, " A"}, "command.com /c"},
        {{platformWin32Windows, 4, 90, ""}, "command.com /c"},
        {{platformWin32Windows, 5, 0, ""}, "cmd.exe /c"},
        {{platformWin32Nt, 4, 0, "Service Pack 6"}, "cmd.exe /c"},
        {{platformWin32Nt, 5, 1, ""}, "cmd.exe /c"},
        {{platformWin32Nt, 10, 0, ""}, "cmd.exe /c"},
        {{0, 4, 10, " A"}, "cmd.exe /c"},
    };
    for (const auto& [record, prefix] : systems)
        EXPECT_EQ(GetShellPrefix(versionNameFor(record)), prefix)
            << record.platformId << ' ' << record.majorVersion << '.' << record.minorVersion;
}

#ifdef _WIN32
TEST(VersionName, TheRunningSystemIsNamedByItsVersionQuery)
{
    // The test run makes this program's system Windows 98 SE under Wine.
    EXPECT_EQ(GetOSName(), "Microsoft Windows 98 SE");
    EXPECT_EQ(GetShellPrefix(GetOSName()), "command.com /c");
}
#endif

} // namespace
} // namespace velmora::platform
