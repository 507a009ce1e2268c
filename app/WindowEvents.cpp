#include "app/WindowEvents.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace velmora::app {

void dispatchWindowEvents(std::chrono::milliseconds longest)
{
    if (longest <= std::chrono::milliseconds::zero()) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(longest);
    loop.exec();
}

} // namespace velmora::app
