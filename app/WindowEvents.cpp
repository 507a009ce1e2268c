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
    // The deadline's own timer event ends the blocking dispatch in time. Not a
    // nested event loop: once the application is quitting, those return at
    // once, and every wait would spin.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    deadline.start(longest);
    while (deadline.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace velmora::app
