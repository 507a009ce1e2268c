#include "app/SystemServices.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    velmora::app::SystemServices services;
    velmora::app::FrmMain window(services.forWindow());
    window.show();
    return application.exec();
}
