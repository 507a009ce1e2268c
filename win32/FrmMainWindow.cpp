#include "win32/FrmMainWindow.h"

#include "platform/WideText_win.h"
#include "win32/MaskedDateBox.h"
#include "win32/WindowText.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

namespace velmora::win32 {

namespace {

using window::ControlDescription;
using window::ControlKind;

constexpr wchar_t windowClass[] = L"VelmoraFrmMain";
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; // fixed single border

bool isBlue(const FrmMainControls& controls, HWND control)
{
    for (std::size_t position = 0; position < controls.placed.size(); ++position)
        if (controls.placed[position] == control)
            return window::frmMainControls[position].blueText;
    // The combo box's edit field is a child of the combo box.
    return GetParent(control) == controls("cmb_MaxLen");
}

} // namespace

FrmMainWindow::FrmMainWindow(HINSTANCE instance, const job::JobServices& services)
    : services_(services)
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

    RECT outer {0, 0, window::clientWidth, window::clientHeight};
    AdjustWindowRectEx(&outer, windowStyle, FALSE, 0);
    controls_.frmMain = CreateWindowExW(0, windowClass, platform::toUtf16(window::windowTitle).c_str(), windowStyle,
                                        CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                        outer.bottom - outer.top, nullptr, nullptr, instance, this);
    made_ = controls_.frmMain && createControls(instance);
    if (made_)
        load();
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
    SetFocus(controls_("cmb_MaxLen"));
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
        if (!jobWindow_.isBusy())
            DestroyWindow(controls_.frmMain);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(controls_.frmMain, message, wParam, lParam);
}

void FrmMainWindow::command(int position, int notification)
{
    // Enter and Escape reach here as the dialog manager's ids, below every
    // control's, and do nothing: the window has no default or cancel button.
    if (position < 0 || position >= static_cast<int>(controls_.placed.size()))
        return;
    const ControlDescription& d = window::frmMainControls[static_cast<std::size_t>(position)];
    if (d.kind == ControlKind::OptionButton && notification == BN_CLICKED)
        switchKind(d.index);
    else if (d.name == "cmd_Create" && notification == BN_CLICKED)
        job::runGenerateJob(jobWindow_, services_);
    else if (d.name == "cmd_Sign" && notification == BN_CLICKED)
        job::runSigningFinishedJob(jobWindow_, services_);
    else if (d.name == "cmd_Cancel" && notification == BN_CLICKED)
        confirmClose();
    else if (d.helpPointer && notification == STN_CLICKED)
        openMakerPage();
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
    if (jobWindow_.isBusy())
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    else if (under == controls_("lab_Quorvane"))
        SetCursor(LoadCursorW(nullptr, IDC_HELP));
    else
        return false;
    return true;
}

bool FrmMainWindow::createControls(HINSTANCE instance)
{
    font_ = createWindowFont();
    if (!placeControls(controls_, instance, font_))
        return false;
    for (const char* name : {"meb_StartDate", "meb_EndDate"})
        makeMaskedDateBox(controls_(name));
    SetWindowSubclass(controls_("txt_SavePath"), savePathProc, 1, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

LRESULT CALLBACK FrmMainWindow::savePathProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR self)
{
    if (message == WM_LBUTTONDBLCLK) {
        reinterpret_cast<FrmMainWindow*>(self)->pickSaveFolder();
        return 0; // the picked path is not to be word-selected afterwards
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(edit, savePathProc, id);
    return DefSubclassProc(edit, message, wParam, lParam);
}

void FrmMainWindow::load()
{
    centreOnScreen();
    fillKeyLengths();
    writeDefaultDates();
    SendMessageW(controls_("opt_Type", 0), BM_SETCHECK, BST_CHECKED, 0);
    switchKind(0);
}

void FrmMainWindow::centreOnScreen()
{
    RECT outer;
    GetWindowRect(controls_.frmMain, &outer);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2;
    SetWindowPos(controls_.frmMain, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmMainWindow::fillKeyLengths()
{
    const HWND combo = controls_("cmb_MaxLen");
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (std::string_view length : window::keyLengths)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::toUtf16(length).c_str()));
    SendMessageW(combo, CB_SETCURSEL, window::defaultKeyLengthIndex, 0);
}

void FrmMainWindow::writeDefaultDates()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const auto dates = window::defaultDates(std::chrono::year(now.wYear) / now.wMonth / now.wDay);
    setWindowText(controls_("meb_StartDate"), dates.start);
    setWindowText(controls_("meb_EndDate"), dates.end);
}

void FrmMainWindow::switchKind(int index)
{
    if (const auto enabled = window::requestFrameEnabled(index))
        for (const char* name : {"fae_Main", "txt_SrvReq", "chk_AutoReq"})
            EnableWindow(controls_(name), *enabled);
}

void FrmMainWindow::pickSaveFolder()
{
    // One entry: every file of a folder is listed, and the folder of the one
    // chosen (or named) is taken.
    std::wstring filter = platform::toUtf16(window::folderFilterDescription);
    filter += L'\0';
    filter += platform::toUtf16(window::folderFilterPattern);
    filter += L'\0';
    std::wstring chosen(MAX_PATH * 4, L'\0');
    OPENFILENAMEW dialog {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = controls_.frmMain;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    dialog.Flags = OFN_EXPLORER;
    if (GetOpenFileNameW(&dialog))
        lastPickedFile_ = chosen.c_str();
    if (const auto folder = window::folderOfPickedFile(platform::fromUtf16(lastPickedFile_)))
        setWindowText(controls_("txt_SavePath"), *folder);
}

void FrmMainWindow::openMakerPage()
{
    // Nothing to tell the user when no browser takes it.
    ShellExecuteW(controls_.frmMain, L"open", platform::toUtf16(window::makerPage).c_str(), L"", L"", SW_SHOW);
}

void FrmMainWindow::confirmClose()
{
    if (showMessageBox(controls_.frmMain, window::closeQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1) == IDYES)
        DestroyWindow(controls_.frmMain);
}

} // namespace velmora::win32
