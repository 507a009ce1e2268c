#include "platform/EnvironmentBlock_win.h"

#include "platform/WideText_win.h"

#include <cwchar>
#include <windows.h>

namespace velmora::platform {

std::wstring environmentBlock(const EnvironmentValues& values)
{
    std::vector<std::string> entries;
    if (wchar_t* strings = GetEnvironmentStringsW()) {
        for (const wchar_t* entry = strings; *entry; entry += std::wcslen(entry) + 1)
            entries.push_back(fromUtf16(entry));
        FreeEnvironmentStringsW(strings);
    }
    std::wstring block;
    for (const auto& entry : environmentWith(std::move(entries), values, true)) {
        block += toUtf16(entry);
        block += L'\0';
    }
    block += L'\0';
    return block;
}

} // namespace velmora::platform
