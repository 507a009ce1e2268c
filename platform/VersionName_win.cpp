#include "platform/VersionName.h"

#include <windows.h>

namespace velmora::platform {

static_assert(sizeof(OSVERSIONINFOA) == 148, "the version record the query fills is 148 bytes");

std::string GetOSName()
{
    OSVERSIONINFOA info {};
    info.dwOSVersionInfoSize = sizeof info;
    // A failed query leaves the record zero, which names no version.
    GetVersionExA(&info);
    VersionRecord record;
    record.platformId = info.dwPlatformId;
    record.majorVersion = info.dwMajorVersion;
    record.minorVersion = info.dwMinorVersion;
    record.servicePack.assign(info.szCSDVersion, strnlen(info.szCSDVersion, sizeof info.szCSDVersion));
    return versionNameFor(record);
}

std::string systemShellPrefix()
{
    return GetShellPrefix(GetOSName());
}

} // namespace velmora::platform
