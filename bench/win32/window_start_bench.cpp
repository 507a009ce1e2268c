// Under Wine: how long velmora.exe takes from its start until its window is
// shown, against the bare window with the same captions and against that
// window holding the real window's controls, alternating the three in one run
// so all meet the same machine. Usage:
//   window_start_bench <velmora.exe> <bare_window.exe> <controls_window.exe> [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>
#include <windows.h>

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds from CreateProcess to a visible top window of the process
// titled "Velmora"; it is then closed as the title bar would close it.
double startToShown(const wchar_t* program)
{
    std::wstring commandLine = std::wstring(L"\"") + program + L"\"";
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    const auto start = Clock::now();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    HWND shown = nullptr;
    while (!shown && Clock::now() - start < std::chrono::seconds(60)) {
        for (HWND window = FindWindowW(nullptr, L"Velmora"); window && !shown;
             window = FindWindowExW(nullptr, window, nullptr, L"Velmora")) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process.dwProcessId && IsWindowVisible(window))
                shown = window;
        }
        if (!shown)
            Sleep(1);
    }
    const double milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    PostMessageW(shown, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown ? milliseconds : -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: window_start_bench <velmora.exe> <bare_window.exe> <controls_window.exe> [runs]\n");
        return 2;
    }
    const int runs = argc > 4 ? _wtoi(argv[4]) : 11;
    std::vector<double> velmora, bare, controls;
    for (int run = 0; run < runs; ++run) {
        velmora.push_back(startToShown(argv[1]));
        bare.push_back(startToShown(argv[2]));
        controls.push_back(startToShown(argv[3]));
    }
    for (const auto* times : {&velmora, &bare, &controls})
        if (*std::min_element(times->begin(), times->end()) < 0) {
            std::fprintf(stderr, "a window did not show within a minute\n");
            return 1;
        }
    std::printf("start to shown, median of %d: velmora.exe %.0f ms, bare window %.0f ms, ratio %.2f\n", runs,
                median(velmora), median(bare), median(velmora) / median(bare));
    std::printf(
        "the bare window with the real controls: %.0f ms, %.2f times the bare window; velmora.exe %.2f times it\n",
        median(controls), median(controls) / median(bare), median(velmora) / median(controls));
    return 0;
}
