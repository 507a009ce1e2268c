#include "platform/AccessList_win.h"

#include "platform/Owned_win.h"

#include <aclapi.h>
#include <sddl.h>
#include <string>
#include <vector>

namespace velmora::platform {

namespace {

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
    const OwnedLocal owned(text);
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

OwnedDescriptor userAloneDescriptor(bool passedOnInside)
{
    const std::wstring flags = passedOnInside ? L"OICI" : L"";
    const std::wstring list
        = L"D:P(A;" + flags + L";FA;;;SY)(A;" + flags + L";FA;;;BA)(A;" + flags + L";FA;;;" + currentUserSid() + L")";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(list.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
        return nullptr;
    return OwnedDescriptor(descriptor);
}

} // namespace velmora::platform
