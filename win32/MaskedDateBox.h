#pragma once

#include <windows.h>

namespace velmora::win32 {

// Turns an edit control into a date entry on the mask "####/##/##": typing,
// erasing, pasting and setting its text keep the mask, and it starts empty,
// showing "____/__/__".
void makeMaskedDateBox(HWND edit);

} // namespace velmora::win32
