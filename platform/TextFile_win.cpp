#include "platform/TextFile.h"

#include <windows.h>

namespace velmora::platform {

namespace {

std::wstring toWide(std::string_view text, unsigned codePage, DWORD flags)
{
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(codePage, flags, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    if (wideLength > 0)
        MultiByteToWideChar(codePage, flags, text.data(), length, wide.data(), wideLength);
    return wide;
}

std::string fromWide(const std::wstring& wide, unsigned codePage)
{
    const int wideLength = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(codePage, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    if (length > 0)
        WideCharToMultiByte(codePage, 0, wide.data(), wideLength, text.data(), length, nullptr, nullptr);
    return text;
}

} // namespace

CodePage systemCodePage()
{
    return {{}, GetACP()};
}

std::optional<std::string> encodeText(std::string_view utf8, const CodePage& codePage)
{
    if (utf8.empty())
        return std::string {};
    const std::wstring wide = toWide(utf8, CP_UTF8, MB_ERR_INVALID_CHARS);
    if (wide.empty())
        return std::nullopt;
    const unsigned target = codePage.windowsCodePage == 0 ? GetACP() : codePage.windowsCodePage;
    // A character the code page lacks comes back as a default or a look-alike,
    // so the text must survive the way back unchanged. This works for every
    // code page, also those that refuse the flags that would report it.
    std::string encoded = fromWide(wide, target);
    if (encoded.empty() || toWide(encoded, target, 0) != wide)
        return std::nullopt;
    return encoded;
}

bool replaceFile(const std::string& from, const std::string& to)
{
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

} // namespace velmora::platform
