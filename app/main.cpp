#include "app/CommandLine.h"
#include "app/SystemServices.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const auto status = velmora::app::answerCommandLine(argc, argv))
        return *status;
    QApplication application(argc, argv);
    velmora::app::SystemServices services;
    velmora::app::FrmMain window(services.forWindow());
    window.show();
    return application.exec();
}
