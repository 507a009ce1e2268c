// The primitives the window's behaviour drives, answered with the system's
// controls and dialogs.
#include "platform/WideText_win.h"
#include "win32/FrmMainWindow.h"
#include "win32/WindowText.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

namespace velmora::win32 {

std::string FrmMainWindow::text(std::size_t control) const
{
    return windowText(controls_.placed.at(control));
}

void FrmMainWindow::setText(std::size_t control, const std::string& text)
{
    setWindowText(controls_.placed.at(control), text);
}

void FrmMainWindow::setItems(std::size_t control, const std::vector<std::string_view>& items, std::size_t selected)
{
    const HWND combo = controls_.placed.at(control);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (std::string_view item : items)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::toUtf16(item).c_str()));
    SendMessageW(combo, CB_SETCURSEL, selected, 0);
}

bool FrmMainWindow::checked(std::size_t control) const
{
    return SendMessageW(controls_.placed.at(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void FrmMainWindow::setChecked(std::size_t control, bool checked)
{
    SendMessageW(controls_.placed.at(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void FrmMainWindow::setEnabled(std::size_t control, bool enabled)
{
    EnableWindow(controls_.placed.at(control), enabled);
}

bool FrmMainWindow::hasFocus(std::size_t control) const
{
    // An editable combo box holds the focus in its edit field.
    const HWND focused = GetFocus();
    const bool combo = window::frmMainControls.at(control).kind == window::ControlKind::ComboBox;
    return focused
        && (focused == controls_.placed[control] || (combo && GetParent(focused) == controls_.placed[control]));
}

void FrmMainWindow::setFocus(std::size_t control)
{
    if (IsWindowVisible(controls_.frmMain))
        SetFocus(controls_.placed.at(control));
    else
        focusWhenShown_ = controls_.placed.at(control);
}

void FrmMainWindow::showMessage(window::MessageKind kind, const std::string& text)
{
    showMessageBox(controls_.frmMain, text,
                   MB_OK | (kind == window::MessageKind::Warning ? MB_ICONWARNING : MB_ICONINFORMATION));
}

bool FrmMainWindow::ask(const std::string& text, window::DefaultAnswer forEnter)
{
    const UINT enter = forEnter == window::DefaultAnswer::Yes ? MB_DEFBUTTON1 : MB_DEFBUTTON2;
    return showMessageBox(controls_.frmMain, text, MB_YESNO | MB_ICONQUESTION | enter) == IDYES;
}

void FrmMainWindow::setBusyPointer(bool busy)
{
    // The window keeps the pointer so while the mouse moves (see WM_SETCURSOR).
    busyPointer_ = busy;
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

std::optional<std::string> FrmMainWindow::chooseFolder()
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
    if (!GetOpenFileNameW(&dialog))
        return std::nullopt;
    return platform::fromUtf16(chosen.substr(0, dialog.nFileOffset));
}

void FrmMainWindow::openWebPage(std::string_view address)
{
    ShellExecuteW(controls_.frmMain, L"open", platform::toUtf16(address).c_str(), L"", L"", SW_SHOW);
}

std::chrono::year_month_day FrmMainWindow::today() const
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return std::chrono::year(now.wYear) / now.wMonth / now.wDay;
}

void FrmMainWindow::closeWindow()
{
    DestroyWindow(controls_.frmMain);
}

} // namespace velmora::win32
