// The yardstick for the native window's start: a bare Win32 window of the
// same size showing the same Chinese captions as labels, and nothing else.
// Built as controls_window.exe it holds instead the window's own controls,
// made as the window makes them, in the manifest's common controls, with no
// behaviour: what the controls alone cost.
#include "window/FrmMainDescription.h"

#include <string>
#include <windows.h>
#ifdef VELMORA_BENCH_CONTROLS
#include "win32/FrmMainControls.h"

#include <commctrl.h>
#endif

namespace {

[[maybe_unused]] std::wstring wide(std::string_view text)
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

void placeContents(HWND main, HINSTANCE instance)
{
#ifdef VELMORA_BENCH_CONTROLS
    velmora::win32::FrmMainControls controls {.frmMain = main};
    velmora::win32::placeControls(controls, instance, velmora::win32::createWindowFont(USER_DEFAULT_SCREEN_DPI),
                                  USER_DEFAULT_SCREEN_DPI);
#else
    for (const auto& control : velmora::window::frmMainControls) {
        const auto& place = control.place;
        CreateWindowW(L"STATIC", wide(control.caption).c_str(), WS_CHILD | WS_VISIBLE, place.left, place.top,
                      place.width, place.height, main, nullptr, instance, nullptr);
    }
#endif
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
#ifdef VELMORA_BENCH_CONTROLS
    const INITCOMMONCONTROLSEX classes {sizeof classes, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
#endif
    WNDCLASSW windowClass {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassW(&windowClass);
    const HWND main = CreateWindowW(L"BareWindow", L"Velmora", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                    velmora::window::clientWidth, velmora::window::clientHeight, nullptr, nullptr,
                                    instance, nullptr);
    placeContents(main, instance);
    ShowWindow(main, showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
