// Whose entries and which access lists the trust checks take. Wine keeps a
// list as the Unix mode, with Everyone's rights as the other bits: the lists'
// table covers the rest. The whole runs under Wine look at the exported keys'.
#include "TestFolder.h"
#include "platform/AccessList_win.h"
#include "platform/FolderTrust.h"
#include "platform/Utf8Path.h"

#include <aclapi.h>
#include <gtest/gtest.h>
#include <memory>
#include <sddl.h>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;
using enum FolderProblem;
const std::wstring me = currentUserSid();

// SDDL with {me} for the running user and {ti} for the system's installer.
OwnedLocal descriptorOf(std::wstring sddl)
{
    for (const auto& [name, sid] : {std::pair<std::wstring, std::wstring> {L"{me}", me},
                                    {L"{ti}", L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464"}})
        for (auto at = sddl.find(name); at != std::wstring::npos; at = sddl.find(name))
            sddl.replace(at, name.size(), sid);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &descriptor, nullptr);
    return OwnedLocal(descriptor);
}

TEST(AccessList, TrustsTheUsersTheSystemsAndTheInstallersEntriesThatNoOtherAccountMayChange)
{
    const auto change = OthersMay::ChangeNothing, add = OthersMay::AddEntries;
    const std::tuple<const wchar_t*, OthersMay, FolderProblem> cases[] = {
        {L"O:{me}D:(A;OICI;FA;;;{me})(A;OICI;0x1200a9;;;WD)", change, None},
        {L"O:{ti}D:(A;;FA;;;{ti})(A;;FA;;;SY)(A;;FA;;;BA)(A;;0x1200a9;;;BU)", change, None},
        {L"O:BUD:(A;;FA;;;{me})", change, OwnedByAnother},
        {L"O:{me}", change, OthersMayWrite}, // no list: anyone may do anything
        {L"O:{me}D:(A;;0x2;;;WD)", change, OthersMayWrite}, // add a file
        {L"O:{me}D:(A;;WO;;;S-1-5-21-1-2-3-1001)", change, OthersMayWrite},
        {L"O:{me}D:(A;;GW;;;AU)", change, OthersMayWrite},
        {L"O:{me}D:(D;;FA;;;WD)", change, None},
        // Passed on to the files made inside, inherit-only or not; to folders alone, or to read, it gives nothing.
        {L"O:SYD:(A;OICIIO;FA;;;AU)", change, OthersMayWrite},
        {L"O:SYD:(A;OIIO;0x2;;;AU)", change, OthersMayWrite},
        {L"O:SYD:(A;OI;0x4;;;S-1-5-21-1-2-3-1001)", change, OthersMayWrite},
        {L"O:SYD:(A;CIIO;FA;;;AU)(A;OICIIO;GRGX;;;AU)", change, None},
        {L"O:{ti}D:(A;OICIIO;GA;;;CO)(A;OICI;0x1200a9;;;BU)", change, None}, // C:\Program Files: to its creator
        {L"O:SYD:(A;;0x6;;;AU)(A;OICIIO;SDGXGWGR;;;AU)", add, None}, // a drive's root
        {L"O:SYD:(A;;0x40;;;AU)", add, OthersMayWrite}, // remove what it holds
        {L"O:SYD:(A;;WD;;;BU)", add, OthersMayWrite},
    };
    for (const auto& [sddl, tolerated, problem] : cases)
        EXPECT_EQ(accessProblem(descriptorOf(sddl).get(), tolerated), problem) << sddl;
}

// Given its list once made: Wine would take the umask's bits away from a list
// given at creation.
void make(const fs::path& path, const wchar_t* sddl, bool folder)
{
    ASSERT_TRUE(folder ? CreateDirectoryW(path.c_str(), nullptr)
                       : CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)));
    ASSERT_TRUE(SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptorOf(sddl).get()));
}

TEST(FolderTrust, RefusesWhatOthersMayChangeOrWhatLiesInAFolderTheyMay)
{
    const testing::TestFolder root {"trust"};
    const auto privateList = L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;{me})";
    const auto open = L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;{me})(A;OICI;FA;;;WD)";
    make(root.path() / "private", privateList, true);
    make(root.path() / "open", open, true);
    make(root.path() / "open" / "private", privateList, true);
    make(root.path() / "private" / "own.txt", privateList, false);
    make(root.path() / "private" / "open.txt", open, false);
    const std::tuple<const char*, bool, FolderProblem, const char*> cases[] = {
        {"private", true, None, nullptr},
        {"private\\own.txt", false, None, nullptr},
        {"open", true, OthersMayWrite, "open"},
        {"open\\private", true, OthersMayWrite, "open"},
        {"private\\open.txt", false, OthersMayWrite, "private\\open.txt"},
        {"private", false, NotAFolder, "private"},
        {"private\\own.txt", true, NotAFolder, "private\\own.txt"},
        {"missing", true, CannotPrepare, "missing"},
    };
    for (const auto& [name, isFolder, problem, at] : cases) {
        const std::string path = utf8FromPath(root.path() / name);
        const TrustProblem found = isFolder ? folderTrustProblem(path, false) : fileTrustProblem(path);
        EXPECT_EQ(found.problem, problem) << name;
        EXPECT_EQ(found.at, at ? utf8FromPath(root.path() / at) : "") << name;
    }
}

} // namespace
} // namespace velmora::platform
