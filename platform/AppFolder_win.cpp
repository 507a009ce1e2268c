#include "platform/AppFolder.h"
#include "platform/WideText_win.h"

#include <windows.h>

namespace velmora::platform {

char pathSeparator()
{
    return '\\';
}

std::string executableFolder()
{
    // Asked in UTF-16 and kept in UTF-8, like every path of the program: the
    // ANSI form would lose a folder name the code page cannot spell.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto lastSeparator = path.find_last_of(L'\\');
    return lastSeparator == std::wstring::npos ? std::string {} : fromUtf16(path.substr(0, lastSeparator));
}

} // namespace velmora::platform
