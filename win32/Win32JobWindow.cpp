#include "win32/Win32JobWindow.h"

#include "platform/WideText_win.h"
#include "win32/WindowText.h"

namespace velmora::win32 {

namespace {

bool isChecked(HWND button)
{
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace

int showMessageBox(HWND owner, std::string_view text, UINT style)
{
    return MessageBoxW(owner, platform::toUtf16(text).c_str(), platform::toUtf16(window::windowTitle).c_str(), style);
}

Win32JobWindow::Win32JobWindow(const FrmMainControls& controls)
    : controls_(controls)
{
}

std::string Win32JobWindow::maxLenText() const
{
    return windowText(controls_("cmb_MaxLen"));
}

std::string Win32JobWindow::startDateText() const
{
    return windowText(controls_("meb_StartDate"));
}

std::string Win32JobWindow::endDateText() const
{
    return windowText(controls_("meb_EndDate"));
}

std::string Win32JobWindow::urlText() const
{
    return windowText(controls_("txt_URL"));
}

void Win32JobWindow::setUrlText(const std::string& text)
{
    setWindowText(controls_("txt_URL"), text);
}

std::string Win32JobWindow::savePathText() const
{
    return windowText(controls_("txt_SavePath"));
}

void Win32JobWindow::setSavePathText(const std::string& text)
{
    setWindowText(controls_("txt_SavePath"), text);
}

bool Win32JobWindow::clientAndServerSelected() const
{
    return isChecked(controls_("opt_Type", 1));
}

bool Win32JobWindow::clientOnlySelected() const
{
    return isChecked(controls_("opt_Type", 0));
}

bool Win32JobWindow::autoRequestChecked() const
{
    return isChecked(controls_("chk_AutoReq"));
}

std::string Win32JobWindow::serverRequestText() const
{
    return windowText(controls_("txt_SrvReq"));
}

void Win32JobWindow::setStatusText(const std::string& text)
{
    setWindowText(controls_("lab_Status"), text);
}

void Win32JobWindow::setFocusTo(job::InputControl control)
{
    switch (control) {
    case job::InputControl::MaxLen: SetFocus(controls_("cmb_MaxLen")); return;
    case job::InputControl::StartDate: SetFocus(controls_("meb_StartDate")); return;
    case job::InputControl::EndDate: SetFocus(controls_("meb_EndDate")); return;
    case job::InputControl::Url: SetFocus(controls_("txt_URL")); return;
    case job::InputControl::SavePath: SetFocus(controls_("txt_SavePath")); return;
    case job::InputControl::SrvReq: SetFocus(controls_("txt_SrvReq")); return;
    }
}

void Win32JobWindow::showWarning(const std::string& text)
{
    showMessageBox(controls_.frmMain, text, MB_OK | MB_ICONWARNING);
}

void Win32JobWindow::showInformation(const std::string& text)
{
    showMessageBox(controls_.frmMain, text, MB_OK | MB_ICONINFORMATION);
}

bool Win32JobWindow::askYesNo(const std::string& text)
{
    return showMessageBox(controls_.frmMain, text, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void Win32JobWindow::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    const HWND focused = GetFocus();
    bool focusLost = false;
    for (const char* name : {"cmd_Create", "cmd_Sign", "cmd_Cancel"}) {
        focusLost = focusLost || focused == controls_(name);
        EnableWindow(controls_(name), !busy);
    }
    // A disabled button keeps no focus, and the keyboard would reach nothing.
    if (busy && focusLost)
        SetFocus(GetNextDlgTabItem(controls_.frmMain, focused, FALSE));
    // The window keeps the pointer so while the mouse moves (see WM_SETCURSOR).
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

} // namespace velmora::win32
