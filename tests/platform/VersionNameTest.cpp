#include "platform/VersionName.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

struct VersionCase
{
    const char* label;
    VersionRecord record;
    const char* expectedName;
};

class VersionNames : public ::testing::TestWithParam<VersionCase>
{
};

TEST_P(VersionNames, NameTheRecordedVersion)
{
    EXPECT_EQ(versionNameFor(GetParam().record), GetParam().expectedName);
}

constexpr unsigned long win9x = platformWin32Windows;
constexpr unsigned long nt = platformWin32Nt;

INSTANTIATE_TEST_SUITE_P(
    Table, VersionNames,
    ::testing::Values(VersionCase {"Win95Osr2", {win9x, 4, 0, " C"}, "Microsoft Windows 95 OSR2"},
                      VersionCase {"Win95Osr2LongText", {win9x, 4, 0, " C  build"}, "Microsoft Windows 95 OSR2"},
                      VersionCase {"Win95CFirst", {win9x, 4, 0, "C"}, "Microsoft Windows 95"},
                      VersionCase {"Win95SmallC", {win9x, 4, 0, " c"}, "Microsoft Windows 95"},
                      VersionCase {"Win95Plain", {win9x, 4, 0, ""}, "Microsoft Windows 95"},
                      VersionCase {"Win98SecondEdition", {win9x, 4, 10, " A "}, "Microsoft Windows 98 SE"},
                      VersionCase {"Win98Empty", {win9x, 4, 10, ""}, "Microsoft Windows 98"},
                      VersionCase {"Win98B", {win9x, 4, 10, " B"}, "Microsoft Windows 98"},
                      VersionCase {"WinMe", {win9x, 4, 90, " A"}, "Microsoft Windows Me"},
                      VersionCase {"Win9xUnknownMinor", {win9x, 4, 3, ""}, ""},
                      VersionCase {"Win9xUnknownMajor", {win9x, 5, 0, ""}, ""},
                      VersionCase {"Nt351", {nt, 3, 51, ""}, "Microsoft Windows NT 4.0"},
                      VersionCase {"Nt4", {nt, 4, 0, "Service Pack 6"}, "Microsoft Windows NT 4.0"},
                      VersionCase {"Win2000", {nt, 5, 0, ""}, "Microsoft Windows 2000"},
                      VersionCase {"WinXp", {nt, 5, 1, "Service Pack 2"}, "Microsoft Windows XP"},
                      VersionCase {"Server2003", {nt, 5, 2, ""}, "Microsoft Windows Server 2003"},
                      VersionCase {"Nt53", {nt, 5, 3, ""}, ""}, VersionCase {"Vista", {nt, 6, 0, ""}, ""},
                      VersionCase {"Windows10", {nt, 10, 0, ""}, ""}, VersionCase {"ZeroRecordOfFailedQuery", {}, ""},
                      VersionCase {"Win32s", {0, 4, 0, " C"}, ""}, VersionCase {"OtherPlatform", {3, 5, 1, ""}, ""}),
    [](const auto& info) { return std::string {info.param.label}; });

TEST(ShellPrefix, NineXFamilyGetsCommandComEverythingElseCmdExe)
{
    const std::pair<const char*, const char*> table[] = {
        {"Microsoft Windows 95", "command.com /c"},
        {"Microsoft Windows 95 OSR2", "command.com /c"}, // has no cmd.exe either
        {"Microsoft Windows 98", "command.com /c"},
        {"Microsoft Windows 98 SE", "command.com /c"},
        {"Microsoft Windows Me", "command.com /c"},
        {"Microsoft Windows NT 4.0", "cmd.exe /c"},
        {"Microsoft Windows 2000", "cmd.exe /c"},
        {"Microsoft Windows XP", "cmd.exe /c"},
        {"Microsoft Windows Server 2003", "cmd.exe /c"},
        {"", "cmd.exe /c"},
        {"microsoft windows 98", "cmd.exe /c"},
        {"Microsoft Windows 98 ", "cmd.exe /c"},
        {"Linux", "cmd.exe /c"},
    };
    for (const auto& [name, prefix] : table)
        EXPECT_EQ(GetShellPrefix(name), prefix) << '"' << name << '"';
}

} // namespace
} // namespace velmora::platform
