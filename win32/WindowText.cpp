#include "win32/WindowText.h"

#include "platform/WideText_win.h"

namespace velmora::win32 {

std::string windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return platform::fromUtf16(text);
}

void setWindowText(HWND window, std::string_view text)
{
    SetWindowTextW(window, platform::toUtf16(text).c_str());
}

} // namespace velmora::win32
