#pragma once

#include "job/CertificateJob.h"
#include "win32/FrmMainControls.h"
#include "win32/Win32JobWindow.h"

#include <string>
#include <windows.h>

namespace velmora::win32 {

// The one window, drawn in Win32 from the window's description. Creating it
// runs the load handler, so it is centred and holds its defaults before it
// is first shown; closing it ends the program's message loop.
class FrmMainWindow final
{
public:
    FrmMainWindow(HINSTANCE instance, const job::JobServices& services);
    ~FrmMainWindow();
    FrmMainWindow(const FrmMainWindow&) = delete;
    FrmMainWindow& operator=(const FrmMainWindow&) = delete;

    void show(int showCommand);
    // Whether the window and every control of it were made: the system may
    // refuse them (out of handles, a class it cannot register).
    bool made() const { return made_; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK savePathProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void command(int position, int notification);
    LRESULT colour(HDC dc, HWND control, UINT message);
    bool setCursor(HWND under);

    bool createControls(HINSTANCE instance);
    void load();
    void centreOnScreen();
    void fillKeyLengths();
    void writeDefaultDates();
    void switchKind(int index);
    void pickSaveFolder();
    void openMakerPage();
    void confirmClose();

    const job::JobServices& services_;
    FrmMainControls controls_;
    Win32JobWindow jobWindow_ {controls_};
    HFONT font_ = nullptr;
    bool made_ = false;
    // The picker writes the last choice again when a later pick is cancelled.
    std::wstring lastPickedFile_;
};

} // namespace velmora::win32
