#include "win32/FrmMainWindow.h"

#include "platform/WideText_win.h"
#include "win32/MaskedDateBox.h"
#include "win32/ScreenScale.h"
#include "win32/WindowText.h"

#include <algorithm>
#include <commctrl.h>

namespace velmora::win32 {

namespace {

using window::ControlKind;

constexpr wchar_t windowClass[] = L"VelmoraFrmMain";
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; // fixed single border

bool isBlue(const FrmMainControls& controls, HWND control)
{
    for (std::size_t position = 0; position < controls.placed.size(); ++position)
        if (controls.placed[position] == control)
            return window::frmMainControls[position].blueText;
    // A combo box's edit field is a child of the combo box.
    const HWND parent = GetParent(control);
    return parent && parent != controls.frmMain && isBlue(controls, parent);
}

} // namespace

FrmMainWindow::FrmMainWindow(HINSTANCE instance, const job::JobServices& services)
    : behaviour_(*this, services)
{
    WNDCLASSEXW windowClassInfo {};
    windowClassInfo.cbSize = sizeof windowClassInfo;
    windowClassInfo.lpfnWndProc = windowProc;
    windowClassInfo.hInstance = instance;
    windowClassInfo.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClassInfo.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClassInfo.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClassInfo.lpszClassName = windowClass;
    if (!RegisterClassExW(&windowClassInfo))
        return;

    // Sized once it is there: its size depends on the screen it stands on.
    controls_.frmMain = CreateWindowExW(0, windowClass, platform::toUtf16(window::windowTitle).c_str(), windowStyle,
                                        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    made_ = controls_.frmMain && createControls(instance, dpiOf(controls_.frmMain));
    if (made_) {
        centreOnScreen();
        behaviour_.load();
    }
}

FrmMainWindow::~FrmMainWindow()
{
    if (IsWindow(controls_.frmMain))
        DestroyWindow(controls_.frmMain);
    DeleteObject(font_);
}

void FrmMainWindow::show(int showCommand)
{
    ShowWindow(controls_.frmMain, showCommand);
    UpdateWindow(controls_.frmMain);
    if (focusWhenShown_)
        SetFocus(focusWhenShown_);
}

LRESULT CALLBACK FrmMainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<FrmMainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->controls_.frmMain = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (auto* self = reinterpret_cast<FrmMainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)))
        return self->handle(message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT FrmMainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: command(LOWORD(wParam) - firstControlId, HIWORD(wParam)); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
    case WM_SETCURSOR:
        if (setCursor(reinterpret_cast<HWND>(wParam)))
            return TRUE;
        break;
    case WM_CLOSE:
        // Refused while a job runs: it still needs the window and its files.
        if (behaviour_.mayClose())
            DestroyWindow(controls_.frmMain);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_DPICHANGED: {
        // Moved to a screen of another resolution, or its resolution changed:
        // the system says where the window goes, and the controls follow.
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(controls_.frmMain, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        const HFONT previous = font_;
        font_ = createWindowFont(HIWORD(wParam));
        movePlacedControls(controls_, font_, HIWORD(wParam));
        DeleteObject(previous);
        return 0;
    }
    }
    return DefWindowProcW(controls_.frmMain, message, wParam, lParam);
}

void FrmMainWindow::command(int position, int notification)
{
    // Enter and Escape reach here as the dialog manager's ids, below every
    // control's, and do nothing: the window has no default or cancel button.
    if (position < 0 || position >= static_cast<int>(controls_.placed.size()))
        return;
    if (notification == BN_CLICKED || notification == STN_CLICKED)
        behaviour_.clicked(static_cast<std::size_t>(position));
}

LRESULT FrmMainWindow::colour(HDC dc, HWND control, UINT message)
{
    // A disabled box asks as a label does, and keeps the system's grey.
    const bool editable = message == WM_CTLCOLOREDIT;
    if (!isBlue(controls_, control) || !IsWindowEnabled(control))
        return DefWindowProcW(controls_.frmMain, message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    SetTextColor(dc, RGB(window::blueText.red, window::blueText.green, window::blueText.blue));
    const int background = editable ? COLOR_WINDOW : COLOR_BTNFACE;
    SetBkColor(dc, GetSysColor(background));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

bool FrmMainWindow::setCursor(HWND under)
{
    // Over every control while a job runs; the maker's label asks a question.
    const auto placed = std::find(controls_.placed.begin(), controls_.placed.end(), under);
    if (busyPointer_)
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    else if (placed != controls_.placed.end() && window::frmMainControls[placed - controls_.placed.begin()].helpPointer)
        SetCursor(LoadCursorW(nullptr, IDC_HELP));
    else
        return false;
    return true;
}

bool FrmMainWindow::createControls(HINSTANCE instance, UINT dpi)
{
    const SIZE outer = outerSize(windowStyle, dpi);
    SetWindowPos(controls_.frmMain, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    font_ = createWindowFont(dpi);
    if (!placeControls(controls_, instance, font_, dpi))
        return false;
    for (const char* name : {"meb_StartDate", "meb_EndDate"})
        makeMaskedDateBox(controls_(name));
    for (std::size_t position = 0; position < controls_.placed.size(); ++position)
        if (window::frmMainControls[position].kind == ControlKind::TextBox)
            SetWindowSubclass(controls_.placed[position], doubleClickProc, position, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

LRESULT CALLBACK FrmMainWindow::doubleClickProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                                UINT_PTR position, DWORD_PTR self)
{
    if (message == WM_LBUTTONDBLCLK && reinterpret_cast<FrmMainWindow*>(self)->behaviour_.doubleClicked(position))
        return 0;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(edit, doubleClickProc, position);
    return DefSubclassProc(edit, message, wParam, lParam);
}

void FrmMainWindow::centreOnScreen()
{
    RECT outer;
    GetWindowRect(controls_.frmMain, &outer);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2;
    SetWindowPos(controls_.frmMain, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace velmora::win32
