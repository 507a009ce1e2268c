#include "win32/ScreenScale.h"

namespace velmora::win32 {

namespace {

// Looked up rather than imported: Windows before 10 lacks them, and the
// program would not start there at all.
template <typename Function>
Function* fromUser32(const char* name)
{
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

} // namespace

UINT dpiOf(HWND window)
{
    static const auto forWindow = fromUser32<UINT WINAPI(HWND)>("GetDpiForWindow");
    if (forWindow)
        return forWindow(window);
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

window::PixelRect scaled(const window::PixelRect& place, UINT dpi)
{
    const auto scale = [dpi](int pixels) { return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); };
    return {scale(place.left), scale(place.top), scale(place.width), scale(place.height)};
}

SIZE outerSize(DWORD style, UINT dpi)
{
    const window::PixelRect client = scaled({0, 0, window::clientWidth, window::clientHeight}, dpi);
    RECT outer {0, 0, client.width, client.height};
    // The frame and the title bar at that resolution too, where the system can tell.
    static const auto forDpi = fromUser32<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (forDpi)
        forDpi(&outer, style, FALSE, 0, dpi);
    else
        AdjustWindowRectEx(&outer, style, FALSE, 0);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

} // namespace velmora::win32
