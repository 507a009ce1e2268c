#pragma once

#include <string>
#include <string_view>

namespace velmora::platform {

// What the version query reports and the name depends on. The build number
// is not part of it: no name depends on it.
struct VersionRecord
{
    unsigned long platformId = 0;
    unsigned long majorVersion = 0;
    unsigned long minorVersion = 0;
    std::string servicePack;
};

inline constexpr unsigned long platformWin32Windows = 1; // Windows 95, 98 and Me
inline constexpr unsigned long platformWin32Nt = 2;

// The name of the Windows version a record describes, or the empty text for a
// version the table does not name.
std::string versionNameFor(const VersionRecord& record);

// The running Windows version's name; the empty text on other systems.
std::string GetOSName();

// The interpreter prefix that opens every command line for a version name:
// "command.com /c" on the Windows 9x family, "cmd.exe /c" otherwise.
std::string GetShellPrefix(std::string_view versionName);

// The prefix this system's interpreter takes: on Windows GetShellPrefix of
// GetOSName, elsewhere the POSIX shell, so each system names its own.
std::string systemShellPrefix();

} // namespace velmora::platform
