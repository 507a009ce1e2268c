#pragma once

#include "job/CertificateJob.h"
#include "win32/FrmMainControls.h"
#include "window/FrmMainBehaviour.h"
#include "window/Toolkit.h"

#include <windows.h>

namespace velmora::win32 {

// The one window in Win32: it draws the description, answers the window's
// primitives with the system's controls and passes its events on; what they
// do is the window's behaviour's. Creating it runs the load, so it is
// centred and holds its defaults before it is first shown; closing it ends
// the program's message loop.
class FrmMainWindow final : public window::Toolkit
{
public:
    FrmMainWindow(HINSTANCE instance, const job::JobServices& services);
    ~FrmMainWindow() override;
    FrmMainWindow(const FrmMainWindow&) = delete;
    FrmMainWindow& operator=(const FrmMainWindow&) = delete;

    void show(int showCommand);
    // Whether the window and every control of it were made: the system may
    // refuse them (out of handles, a class it cannot register).
    bool made() const { return made_; }

    std::string text(std::size_t control) const override;
    void setText(std::size_t control, const std::string& text) override;
    void setItems(std::size_t control, const std::vector<std::string_view>& items, std::size_t selected) override;
    bool checked(std::size_t control) const override;
    void setChecked(std::size_t control, bool checked) override;
    void setEnabled(std::size_t control, bool enabled) override;
    bool hasFocus(std::size_t control) const override;
    void setFocus(std::size_t control) override;
    void showMessage(window::MessageKind kind, const std::string& text) override;
    bool ask(const std::string& text, window::DefaultAnswer forEnter) override;
    void setBusyPointer(bool busy) override;
    std::optional<std::string> chooseFolder() override;
    void openWebPage(std::string_view address) override;
    std::chrono::year_month_day today() const override;
    void closeWindow() override;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK doubleClickProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void command(int position, int notification);
    LRESULT colour(HDC dc, HWND control, UINT message);
    bool setCursor(HWND under);
    bool createControls(HINSTANCE instance, UINT dpi);
    void centreOnScreen();

    FrmMainControls controls_;
    window::FrmMainBehaviour behaviour_;
    HFONT font_ = nullptr;
    bool made_ = false;
    bool busyPointer_ = false;
    // A focus given before the window is shown, which showing would take.
    HWND focusWhenShown_ = nullptr;
};

} // namespace velmora::win32
