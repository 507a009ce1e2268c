#include "app/WindowEvents.h"

#include "platform/EventWait.h"

#include <QtTest>
#include <ctime>

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
        QElapsedTimer clock;
        qint64 firedAt = -1;
        double cpuMs = -1;
        QTimer::singleShot(0, [&] {
            clock.start();
            QTimer::singleShot(50, [&] { firedAt = clock.elapsed(); });
            const std::clock_t cpuBefore = std::clock();
            platform::pauseDispatchingEvents(milliseconds {300}, app::dispatchWindowEvents);
            QCoreApplication::quit();
            app::dispatchWindowEvents(milliseconds {200});
            cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
        });
        QCoreApplication::exec();
        QVERIFY2(firedAt >= 0 && firedAt < 300, "the timer waited for the end of the pause");
        QVERIFY2(clock.elapsed() >= 500 && clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(cpuMs < 100, qPrintable(QString("spent %1 ms of CPU time waiting").arg(cpuMs)));
    }
};

QTEST_GUILESS_MAIN(WindowEventsTest)
#include "WindowEventsTest.moc"
