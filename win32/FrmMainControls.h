#pragma once

#include "window/FrmMainDescription.h"

#include <array>
#include <string_view>
#include <windows.h>

namespace velmora::win32 {

// The window's controls in the description's order; a control's id is its
// place there plus firstControlId, clear of the ids the dialog manager
// sends for Enter and Escape.
inline constexpr int firstControlId = 100;

struct FrmMainControls
{
    HWND frmMain = nullptr;
    std::array<HWND, window::frmMainControls.size()> placed {};

    HWND operator()(std::string_view name, int index = 0) const { return placed[window::controlPosition(name, index)]; }
};

// The window's font at the given resolution.
HFONT createWindowFont(UINT dpi);

// Creates every control of the description in the window at its place at the
// given resolution, with its caption, style, id and the window's font; false
// when the system refused one.
bool placeControls(FrmMainControls& controls, HINSTANCE instance, HFONT font, UINT dpi);

// Moves every control to its place at a new resolution, in the font made for it.
void movePlacedControls(const FrmMainControls& controls, HFONT font, UINT dpi);

} // namespace velmora::win32
