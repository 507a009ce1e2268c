#pragma once

// Drives the real velmora.exe from outside, under Wine, as a user would:
// clicks are posted, as a sent click would wait on the modal message box it
// opens, and every wait is capped.
#include "TestFolder.h"
#include "platform/Utf8Path.h"
#include "platform/WideText_win.h"
#include "win32/FrmMainControls.h"

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::testing {

using namespace std::chrono_literals;

// Everything this test waits for comes within a minute or not at all.
template <typename Check>
void waitUntil(const std::string& what, Check check, std::chrono::seconds longest = 60s)
{
    const auto deadline = std::chrono::steady_clock::now() + longest;
    while (!check()) {
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("waited " + std::to_string(longest.count()) + " s for " + what);
        Sleep(20);
    }
}

inline std::string textOf(HWND window)
{
    wchar_t text[4096] {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000, &length);
    return velmora::platform::fromUtf16(text);
}

// The visible top windows of a class, with the process that owns each.
inline std::vector<std::pair<HWND, DWORD>> windowsOfClass(const wchar_t* name)
{
    std::vector<std::pair<HWND, DWORD>> found;
    DWORD owner = 0;
    for (HWND window = FindWindowExW(nullptr, nullptr, name, nullptr); window;
         window = FindWindowExW(nullptr, window, name, nullptr))
        if (IsWindowVisible(window) && GetWindowThreadProcessId(window, &owner))
            found.emplace_back(window, owner);
    return found;
}

// The program under test, as installed or unpacked, started from a current
// folder of its own that holds a cmd.exe a search of that folder would find
// first: a copy of the stand-in tool, which would leave calls.txt there.
struct Velmora
{
    // One of its own for each: a failed run may leave files open in its folder.
    TestFolder folder {"window-" + std::to_string(GetTickCount64())};
    PROCESS_INFORMATION process {};
    HWND main = nullptr;

    Velmora(const std::filesystem::path& executable, const std::filesystem::path& planted)
    {
        std::filesystem::copy_file(planted, folder.path() / "cmd.exe");
        std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
        STARTUPINFOW startup {sizeof startup};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.path().c_str(),
                            &startup, &process))
            throw std::runtime_error("velmora.exe did not start");
        // Its own: another Velmora may be open.
        waitUntil("the window Velmora to show", [this] {
            for (const auto& [window, owner] : windowsOfClass(L"VelmoraFrmMain"))
                main = owner == process.dwProcessId && textOf(window) == "Velmora" ? window : main;
            return main != nullptr;
        });
    }
    // Whether the planted cmd.exe ran.
    bool plantedRan() const { return std::filesystem::exists(folder.path() / "calls.txt"); }
    ~Velmora()
    {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    HWND operator()(std::string_view name, int index = 0) const
    {
        return GetDlgItem(
            main, velmora::win32::firstControlId + static_cast<int>(velmora::window::controlPosition(name, index)));
    }
    std::string text(std::string_view name, int index = 0) const { return textOf((*this)(name, index)); }
    void setText(std::string_view name, std::string_view text) const
    {
        const std::wstring wide = velmora::platform::toUtf16(text);
        SendMessageW((*this)(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    void click(std::string_view name, int index = 0) const { PostMessageW((*this)(name, index), BM_CLICK, 0, 0); }
    bool enabled(std::string_view name, int index = 0) const { return IsWindowEnabled((*this)(name, index)); }
    bool checked(std::string_view name, int index = 0) const
    {
        return SendMessageW((*this)(name, index), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    HWND focus() const
    {
        GUITHREADINFO thread {sizeof thread};
        GetGUIThreadInfo(process.dwThreadId, &thread);
        return thread.hwndFocus;
    }

    // The program's message box, if one shows.
    HWND findMessageBox() const
    {
        for (const auto& [window, owner] : windowsOfClass(L"#32770"))
            if (owner == process.dwProcessId)
                return window;
        return nullptr;
    }
    // Answers the message box once it shows, and gives back its text (the
    // label a message box makes with the identifier 0xFFFF) and its title.
    std::string answer(int button) const
    {
        HWND box = nullptr;
        waitUntil("a message box", [&] { return (box = findMessageBox()) != nullptr; });
        const std::string said = textOf(GetDlgItem(box, 0xFFFF)) + " / " + textOf(box);
        PostMessageW(box, WM_COMMAND, button, 0);
        waitUntil("the message box to close", [box] { return !IsWindow(box); });
        return said;
    }
};

} // namespace velmora::testing
