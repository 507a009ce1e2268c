#include "platform/VersionName.h"

#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

TEST(VersionName, OnlyTheNineXFamilyHasCommandComAndTheRunningSystemIsNamed)
{
    // Only the prefix depends on the name, so the name table and the prefix
    // table must agree on every edition of the family and on nothing else.
    const std::string command = "command.com /c", cmd = "cmd.exe /c";
    // clang-format off
    const std::pair<VersionRecord, std::string> systems[] = {
        {{platformWin32Windows, 4, 0, ""}, command}, {{platformWin32Windows, 4, 0, " C"}, command},
        {{platformWin32Windows, 4, 10, ""}, command}, {{platformWin32Windows, 4, 10, " A"}, command},
        {{platformWin32Windows, 4, 90, ""}, command}, {{platformWin32Windows, 5, 0, ""}, cmd},
        {{platformWin32Nt, 4, 0, "Service Pack 6"}, cmd}, {{0, 4, 10, " A"}, cmd}};
    // clang-format on
    for (const auto& [record, prefix] : systems)
        EXPECT_EQ(GetShellPrefix(versionNameFor(record)), prefix) << versionNameFor(record);
#ifdef _WIN32
    // The running system is named by its version query: the test run makes
    // it Windows 98 SE under Wine.
    EXPECT_EQ(GetOSName(), "Microsoft Windows 98 SE");
#endif
}

} // namespace
} // namespace velmora::platform
