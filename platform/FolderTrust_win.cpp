#include "platform/FolderTrust_win.h"

#include "platform/AccessList_win.h"
#include "platform/FolderTrust.h"
#include "platform/WideText_win.h"

#include <aclapi.h>
#include <algorithm>
#include <memory>
#include <sddl.h>
#include <vector>

namespace velmora::platform {

namespace {

struct Closing
{
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, Closing>;

// The rights OpenSSH counts as writing, the right to remove what a folder
// holds, and the generic rights that grant them.
constexpr ACCESS_MASK changeRights = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_EA | FILE_WRITE_ATTRIBUTES
    | FILE_DELETE_CHILD | DELETE | WRITE_DAC | WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;
constexpr ACCESS_MASK addEntryRights = FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY;

// NT SERVICE\TrustedInstaller, which owns what Windows installs, such as C:\Program Files.
constexpr std::wstring_view installerSid = L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

std::wstring sidText(PSID sid)
{
    LPWSTR text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text))
        return {};
    const std::unique_ptr<wchar_t, LocalFreeing> owned(text);
    return text;
}

// The user, and the accounts that may change any entry anyway. CREATOR OWNER
// stands in an entry passed on for whoever makes the new entry, and names
// nobody before: C:\Program Files passes it on to every folder inside.
bool isTrusted(PSID account)
{
    static const std::wstring user = currentUserSid();
    const std::wstring sid = sidText(account);
    return !sid.empty()
        && (sid == user || IsWellKnownSid(account, WinLocalSystemSid)
            || IsWellKnownSid(account, WinBuiltinAdministratorsSid) || IsWellKnownSid(account, WinCreatorOwnerSid)
            || sid == installerSid);
}

// Whether the list's entry lets an untrusted account use any of the rights
// on the entry itself or, when asked, on every file made inside it, where
// the entry passes itself on to files (inherit-only or not): a key, or the
// signing script, made there would be theirs to change.
bool grantsAnother(PACL list, DWORD index, ACCESS_MASK rights, bool countPassedOn)
{
    ACCESS_ALLOWED_ACE* entry = nullptr;
    if (!GetAce(list, index, reinterpret_cast<void**>(&entry)))
        return true;
    const BYTE flags = entry->Header.AceFlags;
    const bool appliesHere = !(flags & INHERIT_ONLY_ACE);
    const bool passedToFiles = countPassedOn && (flags & OBJECT_INHERIT_ACE);
    const ACCESS_MASK granted
        = (appliesHere ? entry->Mask & rights : 0) | (passedToFiles ? entry->Mask & changeRights : 0);
    return entry->Header.AceType == ACCESS_ALLOWED_ACE_TYPE && granted && !isTrusted(&entry->SidStart);
}

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
    const std::unique_ptr<void, LocalFreeing> owned(descriptor);
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

FolderProblem accessProblem(PSECURITY_DESCRIPTOR descriptor, OthersMay tolerated)
{
    BOOL listed = FALSE, defaulted = FALSE;
    PACL list = nullptr;
    PSID owner = nullptr;
    if (!GetSecurityDescriptorDacl(descriptor, &listed, &list, &defaulted)
        || !GetSecurityDescriptorOwner(descriptor, &owner, &defaulted))
        return FolderProblem::CannotPrepare;
    // No list at all, as on a drive without access control, lets anyone do anything.
    if (!listed || !list)
        return FolderProblem::OthersMayWrite;
    if (!owner || !isTrusted(owner))
        return FolderProblem::OwnedByAnother;
    // Files are made in the folder used, not in those above it.
    const bool folderUsed = tolerated == OthersMay::ChangeNothing;
    const ACCESS_MASK forbidden = folderUsed ? changeRights : changeRights & ~addEntryRights;
    for (DWORD index = 0; index < list->AceCount; ++index)
        if (grantsAnother(list, index, forbidden, folderUsed))
            return FolderProblem::OthersMayWrite;
    return FolderProblem::None;
}

std::wstring currentUserSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    const OwnedHandle owned(token);
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    if (!GetTokenInformation(token, TokenUser, user.data(), size, &size))
        return {};
    return sidText(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid);
}

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
    const bool known = GetFileInformationByHandle(handle, &facts);
    CloseHandle(handle);
    if (!known)
        return std::nullopt;
    return FolderIdentity {facts.dwVolumeSerialNumber,
                           (static_cast<unsigned long long>(facts.nFileIndexHigh) << 32) | facts.nFileIndexLow};
}

} // namespace velmora::platform
