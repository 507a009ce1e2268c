#include "job/CertificateJob.h"
#include "job/ToolFiles.h"
#include "platform/UserFolder_win.h"
#include "platform/WorkingFolder.h"
#include "win32/FrmMainWindow.h"
#include "win32/MessagePump.h"
#include "win32/WindowText.h"

#include <commctrl.h>
#include <objbase.h>

namespace {

// The system's console, opened in the working folder once that is ready.
class ConsoleInWorkingFolder final : public velmora::platform::Console
{
public:
    void openIn(const std::string& folder) { console_ = velmora::platform::makeSystemConsole(folder); }
    std::unique_ptr<velmora::platform::RunningCommand>
    start(std::string_view prefix, std::string_view command,
          const velmora::platform::EnvironmentValues& environment) override
    {
        return console_ ? console_->start(prefix, command, environment) : nullptr;
    }

private:
    std::unique_ptr<velmora::platform::Console> console_;
};

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    // Before anything loads a library: only the system folder is searched
    // for one, never the program's folder (Downloads, say) or the current one.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    using namespace velmora;
    const INITCOMMONCONTROLSEX classes {sizeof classes, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);

    // The window shows first, and its working folder is made ready straight
    // after, before the message loop takes the first click: no job can start
    // before that, and one that cannot have the folder still says why. Until
    // then the folder counts as one that could not be made ready.
    ConsoleInWorkingFolder console;
    job::JobServices services {.workingFolder = {},
                               .console = console,
                               .dispatch = win32::dispatchWindowEvents,
                               .workingFolderProblem = platform::FolderProblem::CannotPrepare};
    win32::FrmMainWindow window(instance, services);
    // Without its window the program would wait for messages no one can send.
    if (!window.made()) {
        win32::showMessageBox(nullptr, window::windowNotMade, MB_OK | MB_ICONERROR);
        return 1;
    }
    window.show(showCommand);
    // The file dialog and the shell's link opening are COM underneath.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const platform::WorkingFolder folder
        = platform::workingFolder(platform::executableFolder(), platform::perUserWorkingFolder(), job::shippedFiles());
    console.openIn(folder.path);
    services.workingFolder = folder.path;
    services.toolFolder = folder.toolFolder;
    services.workingFolderProblem = folder.problem;
    const int status = win32::runMessageLoop();
    CoUninitialize();
    return status;
}
