#include "platform/AccessList_win.h"
#include "platform/FolderTrust.h"
#include "platform/TextFile.h"
#include "platform/UserFolder_win.h"
#include "platform/WideText_win.h"
#include "platform/WorkingFolder.h"

#include <shlobj.h>
#include <windows.h>

namespace velmora::platform {

namespace {

// The file's bytes, read whole; nothing when it cannot be read.
std::optional<std::string> contentOf(const std::wstring& path)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const OwnedHandle owned(file);
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    bool complete = true;
    while ((complete = ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0)
        bytes.append(buffer, read);
    return complete ? std::optional(bytes) : std::nullopt;
}

// Copied whole under the name, taking the working folder's access list; a
// file of that name stays when it may. Nothing is taken from a file another
// account could have changed: the press names that file.
bool copyInto(const std::string& from, const std::string& to, bool replace)
{
    const std::wstring target = toUtf16(to);
    if (!replace && GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    if (fileTrustProblem(from))
        return true;
    const auto bytes = contentOf(toUtf16(from));
    return bytes && replaceFileWith(to, *bytes);
}

} // namespace

bool makePrivateFolder(const std::string& folder)
{
    return makeNewPrivateFolder(folder) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool makeNewPrivateFolder(const std::string& folder)
{
    return CreateDirectoryW(toUtf16(folder).c_str(), nullptr) != 0;
}

std::string perUserWorkingFolder()
{
    PWSTR folder = nullptr;
    const bool found = SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &folder));
    const std::string path = found ? fromUtf16(folder) + "\\Velmora" : std::string();
    CoTaskMemFree(folder);
    return path;
}

std::string executableFolder()
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return fromUtf16(path.substr(0, path.find_last_of(L'\\')));
}

WorkingFolder workingFolder(const std::string& executableFolder, const std::string& userFolder,
                            const ShippedFiles& files)
{
    WorkingFolder prepared {userFolder, FolderProblem::CannotPrepare, executableFolder};
    if (userFolder.empty())
        return prepared;
    // Made with its list in one step, so the keys made in it are never open to others, not even for a moment.
    const OwnedDescriptor userAlone = userAloneDescriptor(true);
    SECURITY_ATTRIBUTES security {sizeof security, userAlone.get(), FALSE};
    if (!userAlone
        || (!CreateDirectoryW(toUtf16(userFolder).c_str(), &security) && GetLastError() != ERROR_ALREADY_EXISTS))
        return prepared;
    // One that was there already must be the user's alone.
    if (const auto problem = folderTrustProblem(userFolder, false)) {
        prepared.problem = problem.problem;
        return prepared;
    }
    bool ready = copyInto(executableFolder + "\\" + files.configuration, userFolder + "\\" + files.configuration, true);
    for (const auto& name : files.database)
        ready = copyInto(executableFolder + "\\" + name, userFolder + "\\" + name, false) && ready;
    prepared.problem = ready ? FolderProblem::None : FolderProblem::CannotPrepare;
    return prepared;
}

} // namespace velmora::platform
