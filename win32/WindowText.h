#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace velmora::win32 {

// A control's text, and setting it, in the job's UTF-8.
std::string windowText(HWND window);
void setWindowText(HWND window, std::string_view text);

// A modal message box over the window, titled as the window is.
int showMessageBox(HWND owner, std::string_view text, UINT style);

} // namespace velmora::win32
