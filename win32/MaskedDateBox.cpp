#include "win32/MaskedDateBox.h"

#include "job/MaskedDate.h"
#include "platform/WideText_win.h"
#include "win32/WindowText.h"
#include "window/MaskedDateEntry.h"

#include <commctrl.h>

namespace velmora::win32 {

namespace {

void show(HWND edit, const window::MaskedEntry& entry)
{
    // Past this box's own check: the rules have kept the mask.
    const std::wstring text = platform::toUtf16(entry.text);
    DefSubclassProc(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(edit, EM_SETSEL, entry.caret, static_cast<LPARAM>(entry.caret));
}

std::pair<std::size_t, std::size_t> selection(HWND edit)
{
    DWORD from = 0, to = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    return {from, to};
}

void erase(HWND edit, bool backward)
{
    const auto [from, to] = selection(edit);
    show(edit, window::erasedFrom(windowText(edit), from, to, backward));
}

std::string clipboardText(HWND edit)
{
    std::string text;
    if (!OpenClipboard(edit))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = platform::fromUtf16(wide);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

LRESULT CALLBACK maskedDateProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR)
{
    switch (message) {
    case WM_CHAR:
        if (wParam == VK_BACK) {
            erase(edit, true);
            return 0;
        }
        if (wParam < L' ')
            break; // Ctrl+C, Ctrl+V and the like come back as the messages below
        if (wParam >= L'0' && wParam <= L'9') {
            const auto [from, to] = selection(edit);
            show(edit, window::typedInto(windowText(edit), from, to, static_cast<char>(wParam)));
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam != VK_DELETE)
            break;
        erase(edit, false);
        return 0;
    case WM_CUT:
        SendMessageW(edit, WM_COPY, 0, 0);
        erase(edit, false);
        return 0;
    case WM_CLEAR: erase(edit, false); return 0;
    case WM_PASTE: {
        const auto [from, to] = selection(edit);
        show(edit, window::pastedInto(windowText(edit), from, clipboardText(edit)));
        return 0;
    }
    case WM_UNDO:
    case EM_UNDO: return 0; // the edit's own undo knows nothing of the mask
    case WM_SETTEXT: {
        // A text that does not fit is refused, and the box keeps its content.
        const auto* wide = reinterpret_cast<const wchar_t*>(lParam);
        if (!window::fitsDateMask(platform::fromUtf16(wide ? wide : L"")))
            return FALSE;
        break;
    }
    case WM_SETFOCUS:
    case WM_LBUTTONDOWN: {
        const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
        const auto [from, to] = selection(edit);
        if (const std::size_t caret = window::caretOnEntry(windowText(edit), to); caret != to)
            SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
        return result;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(edit, maskedDateProc, id); break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

void makeMaskedDateBox(HWND edit)
{
    SetWindowSubclass(edit, maskedDateProc, 1, 0);
    SendMessageW(edit, EM_LIMITTEXT, job::emptyMaskedDate.size(), 0);
    setWindowText(edit, job::emptyMaskedDate);
}

} // namespace velmora::win32
