#pragma once

#include "app/FolderDialog.h"
#include "app/FrmMain.h"
#include "app/MessageBoxes.h"
#include "app/WindowEvents.h"
#include "job/ToolFiles.h"
#include "platform/WorkingFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <memory>

namespace velmora::app {

// What the program gives the window: the real message boxes, folder dialog,
// clock, console and working folder. Tests give it their own instead.
// The working folder is chosen, and made when it is the user's own, as
// the program starts.
struct SystemServices
{
    QtMessageBoxes messageBoxes;
    QtFolderDialog folderDialog;
    platform::WorkingFolder workingFolder
        = platform::workingFolder(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString(),
                                  perUserFolder(), job::shippedFiles());
    std::unique_ptr<platform::Console> console = platform::makeSystemConsole(workingFolder.path);
    job::JobServices job {.workingFolder = workingFolder.path,
                          .console = *console,
                          .dispatch = dispatchWindowEvents,
                          .workingFolderProblem = workingFolder.problem};

    // Where a working folder of the user's own goes when the program's own
    // folder is closed to its user; none when the system names no data home.
    static std::string perUserFolder()
    {
        const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        return dataHome.isEmpty() ? std::string() : QDir(dataHome).filePath("velmora").toStdString();
    }

    WindowServices forWindow() { return {messageBoxes, folderDialog, &QDate::currentDate, job}; }
};

} // namespace velmora::app
