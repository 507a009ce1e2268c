#include "platform/AccessList_win.h"
#include "platform/TextFile.h"
#include "platform/WideText_win.h"

#include <random>
#include <windows.h>

namespace velmora::platform {

CodePage systemCodePage()
{
    return {{}, GetACP()};
}

std::optional<std::string> encodeText(std::string_view utf8, const CodePage& codePage)
{
    if (utf8.empty())
        return std::string {};
    const std::wstring wide = toUtf16(utf8, CP_UTF8, true);
    if (wide.empty())
        return std::nullopt;
    const unsigned target = codePage.windowsCodePage == 0 ? GetACP() : codePage.windowsCodePage;
    // A character the code page lacks comes back as a default or a look-alike,
    // so the text must survive the way back unchanged. This works for every
    // code page, also those that refuse the flags that would report it.
    std::string encoded = fromUtf16(wide, target);
    if (encoded.empty() || toUtf16(encoded, target) != wide)
        return std::nullopt;
    return encoded;
}

namespace {

// Written to a temporary created with the given security, which the rename
// keeps.
bool writeAndReplace(const std::string& path, std::string_view bytes, SECURITY_ATTRIBUTES* security)
{
    const auto cut = path.find_last_of("\\/");
    const std::string folder = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
    std::random_device random;
    // A name already taken is another's file: never opened, a new name tried.
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::wstring temporary = toUtf16(folder + ".velmora-" + std::to_string(random()) + ".tmp");
        const HANDLE file
            = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, security, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS)
                continue;
            return false;
        }
        DWORD written = 0;
        bool complete = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)
            && written == bytes.size() && FlushFileBuffers(file);
        complete = CloseHandle(file) && complete;
        if (complete && MoveFileExW(temporary.c_str(), toUtf16(path).c_str(), MOVEFILE_REPLACE_EXISTING))
            return true;
        DeleteFileW(temporary.c_str());
        return false;
    }
    return false;
}

} // namespace

// A file anyone may read takes the folder's access list. The owner's alone is
// made with a protected list of its own, so nothing the folder passes on
// reaches it, not even for a moment.
bool replaceFileWith(const std::string& path, std::string_view bytes, Readers readers)
{
    if (readers == Readers::Anyone)
        return writeAndReplace(path, bytes, nullptr);
    const OwnedDescriptor ownerAlone = userAloneDescriptor(false);
    if (!ownerAlone)
        return false;
    SECURITY_ATTRIBUTES security {sizeof security, ownerAlone.get(), FALSE};
    return writeAndReplace(path, bytes, &security);
}

} // namespace velmora::platform
