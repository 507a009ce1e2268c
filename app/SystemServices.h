#pragma once

#include "app/FolderDialog.h"
#include "app/FrmMain.h"
#include "app/MessageBoxes.h"
#include "app/WindowEvents.h"
#include "platform/AppFolder.h"

#include <memory>

namespace velmora::app {

// What the program gives the window: the real message boxes, folder dialog,
// clock, console and application folder. Tests give it their own instead.
struct SystemServices
{
    QtMessageBoxes messageBoxes;
    QtFolderDialog folderDialog;
    std::unique_ptr<platform::Console> console = platform::makeSystemConsole();
    job::JobServices job {platform::executableFolder(), *console, dispatchWindowEvents};

    WindowServices forWindow() { return {messageBoxes, folderDialog, &QDate::currentDate, job}; }
};

} // namespace velmora::app
