#include "app/FolderDialog.h"
#include "app/FrmMain.h"
#include "app/MessageBoxes.h"
#include "app/WindowEvents.h"
#include "platform/AppFolder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    velmora::app::QtMessageBoxes messageBoxes;
    velmora::app::QtFolderDialog folderDialog;
    const auto console = velmora::platform::makeSystemConsole();
    const velmora::job::JobServices jobServices {velmora::platform::executableFolder(), *console,
                                                 velmora::app::dispatchWindowEvents};
    velmora::app::FrmMain window({messageBoxes, folderDialog, &QDate::currentDate, jobServices});
    window.show();
    return application.exec();
}
