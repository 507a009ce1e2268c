#pragma once

#include "app/FolderDialog.h"
#include "app/FrmMain.h"
#include "app/MessageBoxes.h"
#include "app/WindowEvents.h"
#include "platform/WorkingFolder.h"

#include <memory>

namespace velmora::app {

// What the program gives the window: the real message boxes, folder dialog,
// clock, console and application folder. Tests give it their own instead.
// The application folder is chosen, and made when it is the user's own, as
// the program starts.
struct SystemServices
{
    QtMessageBoxes messageBoxes;
    QtFolderDialog folderDialog;
    std::unique_ptr<platform::Console> console = platform::makeSystemConsole();
    platform::WorkingFolder appFolder = platform::workingFolder();
    job::JobServices job {.workingFolder = appFolder.path,
                          .console = *console,
                          .dispatch = dispatchWindowEvents,
                          .workingFolderProblem = appFolder.problem};

    WindowServices forWindow() { return {messageBoxes, folderDialog, &QDate::currentDate, job}; }
};

} // namespace velmora::app
