#include "win32/MessagePump.h"

#include <windows.h>

namespace velmora::win32 {

namespace {

void handle(MSG& message)
{
    // Tab, the arrow keys among the option buttons, and no default button:
    // the window's own dialog manager, asked of the top window the message is for.
    if (message.hwnd && IsDialogMessageW(GetAncestor(message.hwnd, GA_ROOT), &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace

int runMessageLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        handle(message);
    return static_cast<int>(message.wParam);
}

void dispatchWindowEvents(std::chrono::milliseconds longest)
{
    using std::chrono::steady_clock;
    const auto deadline = steady_clock::now() + longest;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            handle(message);
        }
        const auto left = deadline - steady_clock::now();
        if (left <= steady_clock::duration::zero())
            return;
        // Rounded up: a wait of zero would turn the rest into a spin.
        const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(left).count();
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(milliseconds), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

} // namespace velmora::win32
