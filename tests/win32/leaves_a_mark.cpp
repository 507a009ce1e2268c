// A library that leaves a mark when it is loaded: the name of the program
// that loaded it, added to marks.txt beside it. A configuration planted for
// the tool names it as a provider module, which the tool would load.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t marks[MAX_PATH];
    const DWORD length = GetModuleFileNameW(self, marks, MAX_PATH);
    DWORD cut = length;
    while (cut > 0 && marks[cut - 1] != L'\\')
        --cut;
    lstrcpynW(marks + cut, L"marks.txt", MAX_PATH - static_cast<int>(cut));
    wchar_t caller[MAX_PATH];
    char line[4 * MAX_PATH];
    const DWORD callerLength = GetModuleFileNameW(nullptr, caller, MAX_PATH);
    int size = WideCharToMultiByte(CP_UTF8, 0, caller, static_cast<int>(callerLength), line, sizeof line - 1, nullptr,
                                   nullptr);
    line[size++] = '\n';
    const HANDLE file = CreateFileW(marks, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(size), &written, nullptr);
    CloseHandle(file);
    return TRUE;
}
