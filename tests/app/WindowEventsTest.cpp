#include "app/WindowEvents.h"

#include "platform/EventWait.h"

#include <QtTest>

using namespace velmora;
using std::chrono::milliseconds;

class WindowEventsTest : public QObject
{
    Q_OBJECT

private slots:
    // Zero handles what is pending and returns; a pause handles events as they come and sleeps otherwise, also
    // once the application is quitting, as it is when the window closes while a job waits.
    void handlesEventsAndSleepsOtherwise()
    {
        bool pending = false;
        QMetaObject::invokeMethod(
            this, [&] { pending = true; }, Qt::QueuedConnection);
        app::dispatchWindowEvents(milliseconds::zero());
        QVERIFY(pending);
        // Each time the dispatcher wakes is counted: a wait that spins wakes without end.
        int wakes = 0;
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, this, [&] { ++wakes; });
        QElapsedTimer clock;
        bool firedDuringThePause = false;
        QTimer::singleShot(0, [&] {
            clock.start();
            QTimer::singleShot(50, [&] { firedDuringThePause = true; });
            platform::pauseDispatchingEvents(milliseconds {300}, app::dispatchWindowEvents);
            QVERIFY2(firedDuringThePause, "the timer waited for the end of the pause");
            QCoreApplication::quit();
            app::dispatchWindowEvents(milliseconds {200});
        });
        QCoreApplication::exec();
        QVERIFY2(clock.elapsed() >= 500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(wakes < 50, qPrintable(QString("woke %1 times in half a second of waiting").arg(wakes)));
    }
};

QTEST_GUILESS_MAIN(WindowEventsTest)
#include "WindowEventsTest.moc"
