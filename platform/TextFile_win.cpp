#include "platform/TextFile.h"

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
    const unsigned target = codePage.windowsCodePage == 0 ? GetACP() : codePage.windowsCodePage;
    const int utf8Length = static_cast<int>(utf8.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8Length, nullptr, 0);
    if (wideLength == 0)
        return std::nullopt;
    if (target == CP_UTF8)
        return std::string {utf8};
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8Length, wide.data(), wideLength);

    // No look-alike substitutes: a character the code page lacks is a failure.
    BOOL usedDefault = FALSE;
    const int length
        = WideCharToMultiByte(target, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr, 0, nullptr, &usedDefault);
    if (length == 0 || usedDefault)
        return std::nullopt;
    std::string encoded(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(target, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, encoded.data(), length, nullptr,
                        nullptr);
    return encoded;
}

bool replaceFile(const std::string& from, const std::string& to)
{
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

} // namespace velmora::platform
