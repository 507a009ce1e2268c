#include "platform/FolderTrust.h"
#include "platform/WideText_win.h"

#include <windows.h>

namespace velmora::platform {

// Windows grants through access lists, not modes and owners alone: these
// checks have no Windows form yet, and pass every path.
TrustProblem folderTrustProblem(const std::string&, bool)
{
    return {};
}

TrustProblem fileTrustProblem(const std::string&)
{
    return {};
}

std::optional<FolderIdentity> folderIdentity(const std::string& folder)
{
    // A folder opens only with backup semantics; no access right is needed
    // to read what identifies it.
    const HANDLE handle
        = CreateFileW(toUtf16(folder).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION facts {};
    const bool known = GetFileInformationByHandle(handle, &facts);
    CloseHandle(handle);
    if (!known)
        return std::nullopt;
    return FolderIdentity {facts.dwVolumeSerialNumber,
                           (static_cast<unsigned long long>(facts.nFileIndexHigh) << 32) | facts.nFileIndexLow};
}

} // namespace velmora::platform
