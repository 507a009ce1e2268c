#include "platform/AppFolder.h"

#include <windows.h>

namespace velmora::platform {

char pathSeparator()
{
    return '\\';
}

std::string executableFolder()
{
    // The ANSI path, as the command lines and the files are in the ANSI code page.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto lastSeparator = path.find_last_of('\\');
    return lastSeparator == std::string::npos ? std::string {} : path.substr(0, lastSeparator);
}

} // namespace velmora::platform
