#include "win32/WindowText.h"

#include "platform/WideText_win.h"
#include "window/FrmMainDescription.h"

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

int showMessageBox(HWND owner, std::string_view text, UINT style)
{
    return MessageBoxW(owner, platform::toUtf16(text).c_str(), platform::toUtf16(window::windowTitle).c_str(), style);
}

} // namespace velmora::win32
