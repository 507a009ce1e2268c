#include "app/FolderDialog.h"
#include "app/FrmMain.h"
#include "app/MessageBoxes.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    velmora::app::QtMessageBoxes messageBoxes;
    velmora::app::QtFolderDialog folderDialog;
    velmora::app::FrmMain window({messageBoxes, folderDialog, &QDate::currentDate});
    window.show();
    return application.exec();
}
