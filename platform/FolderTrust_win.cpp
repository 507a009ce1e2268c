#include "platform/AccessList_win.h"
#include "platform/FolderTrust.h"
#include "platform/Owned_win.h"
#include "platform/WideText_win.h"

#include <aclapi.h>
#include <algorithm>
#include <memory>
#include <sddl.h>
#include <vector>

namespace velmora::platform {

namespace {

// Symbolic links and junctions lead elsewhere; other reparse points, such as
// those of files kept in the cloud, do not.
bool isLink(const FILE_ATTRIBUTE_TAG_INFO& facts)
{
    return (facts.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        && (facts.ReparseTag == IO_REPARSE_TAG_SYMLINK || facts.ReparseTag == IO_REPARSE_TAG_MOUNT_POINT);
}

// Opened to read what it is and its security, and nothing more; a link
// itself, unless followed.
OwnedHandle openEntry(const std::wstring& path, bool followLinks)
{
    const HANDLE handle = CreateFileW(
        path.c_str(), READ_CONTROL, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
    return OwnedHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

FolderProblem entryProblem(HANDLE entry, bool wantFolder, OthersMay tolerated)
{
    FILE_ATTRIBUTE_TAG_INFO facts {};
    if (!GetFileInformationByHandleEx(entry, FileAttributeTagInfo, &facts, sizeof facts))
        return FolderProblem::CannotPrepare;
    if (isLink(facts))
        return FolderProblem::IsALink;
    if (static_cast<bool>(facts.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != wantFolder)
        return FolderProblem::NotAFolder;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(entry, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, nullptr, nullptr,
                        nullptr, nullptr, &descriptor)
        != ERROR_SUCCESS)
        return FolderProblem::CannotPrepare;
    const OwnedLocal owned(descriptor);
    return accessProblem(descriptor, tolerated);
}

// The entry's full path with every link and junction on the way resolved, in
// the long form (\\?\C:\... or \\?\UNC\server\share\...).
std::wstring finalPath(HANDLE entry)
{
    std::wstring path(32768, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(entry, path.data(), static_cast<DWORD>(path.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    path.resize(length < path.size() ? length : 0);
    return path;
}

// The path as the user writes it, without the long form's prefix.
std::string shownPath(const std::wstring& longPath)
{
    if (longPath.starts_with(L"\\\\?\\UNC\\"))
        return fromUtf16(L"\\\\" + longPath.substr(8));
    return fromUtf16(longPath.starts_with(L"\\\\?\\") ? longPath.substr(4) : longPath);
}

// The folder above one in the long form, or nothing at the root of its
// drive (\\?\C:\) or share (\\?\UNC\server\share).
std::optional<std::wstring> folderAbove(const std::wstring& path)
{
    std::size_t root = 7;
    if (path.starts_with(L"\\\\?\\UNC\\")) {
        root = path.find(L'\\', path.find(L'\\', 8) + 1);
        if (root == std::wstring::npos)
            return std::nullopt;
    }
    if (path.size() <= root)
        return std::nullopt;
    return path.substr(0, std::max(path.find_last_of(L'\\'), root));
}

// Every folder above the entry, up to the root of its drive or share, as on
// POSIX. Each may let others add entries, but not remove or rename the one
// below nor change itself: C:\ lets every signed-in user make folders in it,
// as the sticky /tmp lets every user make files, and neither lets them move
// another's away. Wine shows no sticky bit: a folder under Z:\tmp is refused
// there, one in Wine's own temporary folder is not.
TrustProblem foldersAboveProblem(HANDLE entry)
{
    std::wstring folder = finalPath(entry);
    if (folder.empty())
        return {FolderProblem::CannotPrepare, {}};
    while (const auto above = folderAbove(folder)) {
        folder = *above;
        const OwnedHandle opened = openEntry(folder, true);
        const auto problem
            = opened ? entryProblem(opened.get(), true, OthersMay::AddEntries) : FolderProblem::CannotPrepare;
        if (problem != FolderProblem::None)
            return {problem, shownPath(folder)};
    }
    return {};
}

// The entry itself, which nobody else may change, then the folders above it.
// A link is refused rather than followed, the folder's as a file's: the
// Windows program keeps its tool's files beside it as shipped, never links.
TrustProblem trustProblem(const std::string& path, bool wantFolder)
{
    const OwnedHandle entry = openEntry(toUtf16(path), false);
    const auto problem
        = entry ? entryProblem(entry.get(), wantFolder, OthersMay::ChangeNothing) : FolderProblem::CannotPrepare;
    if (problem != FolderProblem::None)
        return {problem, path};
    return foldersAboveProblem(entry.get());
}

} // namespace

// The program's own folder is held to the same owners as the user's: the
// system and the administrators, who may own either, may change any folder.
TrustProblem folderTrustProblem(const std::string& folder, bool)
{
    return trustProblem(folder, true);
}

TrustProblem fileTrustProblem(const std::string& file)
{
    return trustProblem(file, false);
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
    const bool known = GetFileInformationByHandle(OwnedHandle(handle).get(), &facts);
    if (!known)
        return std::nullopt;
    return FolderIdentity {facts.dwVolumeSerialNumber,
                           (static_cast<unsigned long long>(facts.nFileIndexHigh) << 32) | facts.nFileIndexLow};
}

} // namespace velmora::platform
