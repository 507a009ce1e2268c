#include "platform/WideText_win.h"

#include <windows.h>

namespace velmora::platform {

std::wstring toUtf16(std::string_view text, unsigned codePage, bool strict)
{
    const int length = static_cast<int>(text.size());
    const DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
    const int wideLength = MultiByteToWideChar(codePage, flags, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    if (wideLength > 0)
        MultiByteToWideChar(codePage, flags, text.data(), length, wide.data(), wideLength);
    return wide;
}

std::string fromUtf16(std::wstring_view wide, unsigned codePage)
{
    const int wideLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    if (length > 0)
        WideCharToMultiByte(codePage, 0, wide.data(), wideLength, text.data(), length, nullptr, nullptr);
    return text;
}

} // namespace velmora::platform
