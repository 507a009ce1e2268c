#include "platform/TextFile.h"
#include "platform/WideText_win.h"

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

bool replaceFile(const std::string& from, const std::string& to)
{
    return MoveFileExW(toUtf16(from).c_str(), toUtf16(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

} // namespace velmora::platform
