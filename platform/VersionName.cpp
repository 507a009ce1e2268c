#include "platform/VersionName.h"

#include <algorithm>
#include <array>

namespace velmora::platform {

namespace {

// The service-pack text marks the second editions by its second character
// alone (" C" for OSR2, " A" for Second Edition), compared exactly.
bool secondCharacterIs(const std::string& text, char expected)
{
    return text.size() >= 2 && text[1] == expected;
}

std::string windows9xName(const VersionRecord& record)
{
    if (record.majorVersion != 4)
        return {};
    switch (record.minorVersion) {
    case 0: return secondCharacterIs(record.servicePack, 'C') ? "Microsoft Windows 95 OSR2" : "Microsoft Windows 95";
    case 10: return secondCharacterIs(record.servicePack, 'A') ? "Microsoft Windows 98 SE" : "Microsoft Windows 98";
    case 90: return "Microsoft Windows Me";
    default: return {};
    }
}

std::string windowsNtName(const VersionRecord& record)
{
    if (record.majorVersion <= 4)
        return "Microsoft Windows NT 4.0";
    if (record.majorVersion != 5)
        return {};
    switch (record.minorVersion) {
    case 0: return "Microsoft Windows 2000";
    case 1: return "Microsoft Windows XP";
    case 2: return "Microsoft Windows Server 2003";
    default: return {};
    }
}

} // namespace

std::string versionNameFor(const VersionRecord& record)
{
    switch (record.platformId) {
    case platformWin32Windows: return windows9xName(record);
    case platformWin32Nt: return windowsNtName(record);
    default: return {};
    }
}

std::string GetShellPrefix(std::string_view versionName)
{
    // Every version of the 9x family has only command.com, OSR2 included.
    static constexpr std::array<std::string_view, 5> commandComVersions {
        "Microsoft Windows 95",    "Microsoft Windows 95 OSR2", "Microsoft Windows 98",
        "Microsoft Windows 98 SE", "Microsoft Windows Me",
    };
    const bool hasCommandComOnly
        = std::find(commandComVersions.begin(), commandComVersions.end(), versionName) != commandComVersions.end();
    return hasCommandComOnly ? "command.com /c" : "cmd.exe /c";
}

} // namespace velmora::platform
