#include "app/CommandLine.h"
#include "app/SystemServices.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const auto status = velmora::app::answerCommandLine(argc, argv))
        return *status;
    QApplication application(argc, argv);
    // The desktop entry's id: Wayland compositors find the menu entry and its icon by it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
    velmora::app::SystemServices services;
    velmora::app::FrmMain window(services.forWindow());
    window.show();
    return application.exec();
}
