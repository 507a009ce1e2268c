#pragma once

#include "window/FrmMainDescription.h"

#include <windows.h>

namespace velmora::win32 {

// The dots per inch of the screen the window stands on: its monitor's where
// the system knows each monitor's (Windows 10 and later), else the system's.
UINT dpiOf(HWND window);

// A place of the description, which is in pixels at 96 dots per inch, in
// pixels at the given resolution: the one place the window's sizes are scaled.
window::PixelRect scaled(const window::PixelRect& place, UINT dpi);

// The outer size of a window of that style whose client area is the
// description's, at the given resolution.
SIZE outerSize(DWORD style, UINT dpi);

} // namespace velmora::win32
