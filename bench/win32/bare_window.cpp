// The yardstick for the native window's start: a bare Win32 window of the
// same size showing the same Chinese captions as labels, and nothing else.
#include "window/FrmMainDescription.h"

#include <string>
#include <windows.h>

namespace {

std::wstring wide(std::string_view text)
{
    std::wstring result(text.size(), L'\0');
    result.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                               result.data(), static_cast<int>(result.size()))));
    return result;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    WNDCLASSW windowClass {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassW(&windowClass);
    const HWND main = CreateWindowW(L"BareWindow", L"Velmora", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                    velmora::window::clientWidth, velmora::window::clientHeight, nullptr, nullptr,
                                    instance, nullptr);
    for (const auto& control : velmora::window::frmMainControls) {
        const auto& place = control.place;
        CreateWindowW(L"STATIC", wide(control.caption).c_str(), WS_CHILD | WS_VISIBLE, place.left, place.top,
                      place.width, place.height, main, nullptr, instance, nullptr);
    }
    ShowWindow(main, showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
