#include "job/CertificateJob.h"
#include "job/ToolFiles.h"
#include "platform/UserFolder_win.h"
#include "platform/Utf8Path.h"
#include "platform/WorkingFolder.h"
#include "win32/FrmMainWindow.h"
#include "win32/MessagePump.h"
#include "win32/WindowText.h"

#include <commctrl.h>
#include <filesystem>
#include <objbase.h>

namespace {

std::string executableFolder()
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return velmora::platform::utf8FromPath(std::filesystem::path(path).parent_path());
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    // Before anything loads a library: only the system folder is searched
    // for one, never the program's folder (Downloads, say) or the current one.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    using namespace velmora;
    // The file dialog and the shell's link opening are COM underneath.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX classes {sizeof classes, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);

    const platform::WorkingFolder folder
        = platform::workingFolder(executableFolder(), platform::perUserWorkingFolder(), job::shippedFiles());
    const auto console = platform::makeSystemConsole(folder.path);
    const job::JobServices services {.workingFolder = folder.path,
                                     .console = *console,
                                     .dispatch = win32::dispatchWindowEvents,
                                     .workingFolderProblem = folder.problem,
                                     .toolFolder = folder.toolFolder};
    win32::FrmMainWindow window(instance, services);
    // Without its window the program would wait for messages no one can send.
    if (!window.made()) {
        win32::showMessageBox(nullptr, window::windowNotMade, MB_OK | MB_ICONERROR);
        CoUninitialize();
        return 1;
    }
    window.show(showCommand);
    const int status = win32::runMessageLoop();
    CoUninitialize();
    return status;
}
